<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Kontrollera...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Dina ändringar för in de här problemen i skrivarens faxadressbok. Vill du skriva ändå?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Faxadressboken som visas har de här problemen:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Faxadressboken som visas har inga problem.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Plats</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Avsändare</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Avvisat %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Medlem %1 är en tom plats.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Numret %1 finns på platserna %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Gruppen har inga medlemmar.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Skrivaren godtar inte namnet ”%1”.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Skrivaren godtar inte numret ”%1”.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Numret %1 finns bland de avvisade numren %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Visar bara de poster vars namn eller nummer innehåller den här texten</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Namn eller nummer</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>Sök &amp;efter:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Kontroll</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Skriv ändå</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
</TS>
