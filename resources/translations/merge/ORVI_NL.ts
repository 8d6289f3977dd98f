<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Samenvoegen met de wijzigingen in de printer</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Het faxadresboek in de printer is gewijzigd nadat u het hebt gelezen. Bij het samenvoegen blijven de wijzigingen in de printer en de wijzigingen hier behouden. Waar beide kanten een plaats verschillend hebben gewijzigd, kiest u welke versie behouden blijft.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Gewijzigde plaatsen:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Versie van de &amp;printer</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Versie van dit &amp;venster</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>Groeps&amp;leden die vervallen omdat het samenvoegen hun plaatsen leegmaakt:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Samenvoegen en schrijven</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Samenvoegen...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Plaats</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>In de printer</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>In dit venster</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Gewijzigd</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Behouden versie</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>In de printer</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>In dit venster</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>In beide gelijk</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Conflict</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Van de printer</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Van dit venster</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(leeg)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (groep van %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Afzender</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Geweigerd nummer %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Groep %1 verliest lid %2</translation>
    </message>
</context>
</TS>
