<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Prüfen...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Durch Ihre Änderungen entstehen im Faxverzeichnis des Druckers die folgenden Probleme. Möchten Sie es trotzdem schreiben?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Das angezeigte Faxverzeichnis weist folgende Probleme auf:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Das angezeigte Faxverzeichnis weist keine Probleme auf.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Platz</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Absender</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Abgewiesene Nummer %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Mitglied %1 ist ein leerer Platz.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Die Nummer %1 steht auf den Plätzen %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Die Gruppe hat keine Mitglieder.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Der Drucker akzeptiert den Namen „%1“ nicht.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Der Drucker akzeptiert die Nummer „%1“ nicht.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Die Nummer %1 steht unter den abgewiesenen Nummern %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Zeigt nur die Einträge, deren Name oder Nummer diesen Text enthält</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Name oder Nummer</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>S&amp;uchen:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Trotzdem schreiben</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
