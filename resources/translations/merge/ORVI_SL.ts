<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Združitev s spremembami v tiskalniku</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Faksni imenik v tiskalniku se je spremenil, odkar ste ga prebrali. Združitev ohrani spremembe, narejene v tiskalniku, in spremembe, narejene tukaj. Kjer je bilo mesto na obeh straneh spremenjeno različno, izberite, katero stran naj združitev ohrani.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>Spremenjena &amp;mesta:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Prevzemi iz &amp;tiskalnika</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Ohrani iz tega &amp;okna</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>Člani &amp;skupin, ki so izpuščeni, ker združitev izprazni njihova mesta:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Združi in zapiši</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Združi...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Mesto</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>V tiskalniku</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>V tem oknu</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Spremenjeno</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Združitev prevzame</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>V tiskalniku</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>V tem oknu</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Na obeh enako</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Spor</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Iz tiskalnika</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Iz tega okna</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(prazno)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (skupina: %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Pošiljatelj</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Zavrnjena številka %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Skupina %1 izgubi člana %2</translation>
    </message>
</context>
</TS>
