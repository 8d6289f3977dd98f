<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Flet med printerens ændringer</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Faxadressebogen i printeren er blevet ændret, efter at du læste den. Fletningen bevarer både de ændringer, der er foretaget på printeren, og dem, der er foretaget her. Hvor begge sider har ændret en plads forskelligt, skal du vælge, hvilken side fletningen beholder.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Ændrede pladser:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Tag &amp;printerens</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Behold &amp;dette vindues</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Gruppemedlemmer, der fjernes, fordi fletningen tømmer deres pladser:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Flet og skriv</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Flet...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Plads</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>På printeren</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>I dette vindue</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Ændret</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Fletningen bruger</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>På printeren</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>I dette vindue</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Ens på begge</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Printerens</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Dette vindues</translation>
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
        <translation>%1 (gruppe af %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Afsender</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Afvist %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Gruppe %1 mister medlem %2</translation>
    </message>
</context>
</TS>
