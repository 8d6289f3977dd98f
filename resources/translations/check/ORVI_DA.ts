<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Kontrollér...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Dine ændringer medfører disse problemer i printerens faxadressebog. Vil du skrive alligevel?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Den viste faxadressebog har disse problemer:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Den viste faxadressebog har ingen problemer.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Plads</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Afsender</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Afvist %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Medlem %1 er en tom plads.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Nummeret %1 findes i pladserne %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Gruppen har ingen medlemmer.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Printeren accepterer ikke navnet »%1«.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Printeren accepterer ikke nummeret »%1«.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Nummeret %1 findes i de afviste numre %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Viser kun de poster, hvis navn eller nummer indeholder denne tekst</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Navn eller nummer</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>S&amp;øg:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Kontrol</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Skriv alligevel</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Luk</translation>
    </message>
</context>
</TS>
