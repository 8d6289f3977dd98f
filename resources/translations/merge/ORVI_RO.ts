<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Combinare cu modificările din imprimantă</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Agenda fax din imprimantă a fost modificată după ce ați citit-o. Combinarea păstrează atât modificările făcute în imprimantă, cât și pe cele făcute aici. Acolo unde ambele părți au modificat diferit o poziție, alegeți ce variantă păstrează combinarea.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Poziții modificate:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Varianta &amp;imprimantei</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Varianta &amp;acestei ferestre</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Membri de grup eliminați deoarece combinarea le golește pozițiile:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Combinare și scriere</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Combinare...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Poziție</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>În imprimantă</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>În această fereastră</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Modificat</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Combinarea preia</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>În imprimantă</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>În această fereastră</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>În ambele, identic</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Conflict</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Varianta imprimantei</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Varianta acestei ferestre</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(goală)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (grup de %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Expeditor</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Număr respins %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Grupul %1 pierde membrul %2</translation>
    </message>
</context>
</TS>
