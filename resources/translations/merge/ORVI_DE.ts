<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Mit den Änderungen im Drucker zusammenführen</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Das Faxverzeichnis im Drucker wurde geändert, nachdem Sie es gelesen haben. Beim Zusammenführen bleiben die Änderungen im Drucker und die Änderungen hier erhalten. Wo beide Seiten einen Platz unterschiedlich geändert haben, wählen Sie, welche Version übernommen wird.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Geänderte Plätze:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Version des &amp;Druckers</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Version dieses &amp;Fensters</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>Gruppen&amp;mitglieder, die entfallen, weil das Zusammenführen ihre Plätze leert:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Zusammenführen und schreiben</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Zusammenführen...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Platz</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>Im Drucker</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>In diesem Fenster</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Übernommen</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>Im Drucker</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>In diesem Fenster</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>In beiden gleich</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Vom Drucker</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Aus diesem Fenster</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (Gruppe aus %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Absender</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Abgewiesene Nummer %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Gruppe %1 verliert Mitglied %2</translation>
    </message>
</context>
</TS>
