<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et_EE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Ühendamine printeri muudatustega</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Printeri faksikataloogi on pärast selle lugemist muudetud. Ühendamine säilitab nii printeris kui ka siin tehtud muudatused. Kui mõlemal pool on sama kohta erinevalt muudetud, valige, kumma poole versiooni ühendamine säilitab.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Muudetud kohad:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>&amp;Printeri versioon</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>&amp;Selle akna versioon</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Rühmade liikmed, mis eemaldatakse, sest ühendamine tühjendab nende kohad:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Ühenda ja kirjuta</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Ühenda...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Koht</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>Printeris</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>Selles aknas</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Muudetud</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Ühendamisel kasutatakse</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>Printeris</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>Selles aknas</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Mõlemas ühtmoodi</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Printeri versioon</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Selle akna versioon</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(tühi)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (rühm: %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Saatja</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Blokeeritud %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Rühm %1 kaotab liikme %2</translation>
    </message>
</context>
</TS>
