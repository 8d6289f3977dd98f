<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Sammanfoga med skrivarens ändringar</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Faxadressboken i skrivaren har ändrats sedan du läste den. Sammanfogningen behåller både ändringarna som gjorts på skrivaren och ändringarna som gjorts här. Där båda har ändrat en plats på olika sätt väljer du vilken sida sammanfogningen ska behålla.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Ändrade platser:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Ta &amp;skrivarens</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Behåll &amp;det här fönstrets</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Gruppmedlemmar som tas bort eftersom sammanfogningen tömmer deras platser:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Sammanfoga och skriv</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Sammanfoga...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Plats</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>På skrivaren</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>I det här fönstret</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Ändrad</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Sammanfogningen använder</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>På skrivaren</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>I det här fönstret</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Lika på båda</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Skrivarens</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Det här fönstrets</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(tom)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (grupp av %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Avsändare</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Avvisat %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Grupp %1 förlorar medlem %2</translation>
    </message>
</context>
</TS>
