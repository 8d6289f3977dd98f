<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Kontroller...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Endringene dine fører disse problemene inn i faksadresseboken i skriveren. Vil du skrive likevel?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Faksadresseboken som vises, har disse problemene:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Faksadresseboken som vises, har ingen problemer.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Plass</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Avsender</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Avvist %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Medlem %1 er en tom plass.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Nummeret %1 finnes på plassene %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Gruppen har ingen medlemmer.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Skriveren godtar ikke navnet «%1».</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Skriveren godtar ikke nummeret «%1».</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Nummeret %1 finnes blant de avviste numrene %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Viser bare oppføringene der navnet eller nummeret inneholder denne teksten</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Navn eller nummer</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>Sø&amp;k:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Kontroll</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Skriv likevel</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
</context>
</TS>
