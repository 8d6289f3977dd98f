<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Controleren...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Door uw wijzigingen ontstaan deze problemen in het faxadresboek van de printer. Wilt u het toch schrijven?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Het weergegeven faxadresboek heeft de volgende problemen:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Het weergegeven faxadresboek heeft geen problemen.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Plaats</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Probleem</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Afzender</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Geweigerd nummer %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Lid %1 is een lege plaats.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Het nummer %1 staat op de plaatsen %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>De groep heeft geen leden.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>De printer accepteert de naam “%1” niet.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>De printer accepteert het nummer “%1” niet.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Het nummer %1 staat bij de geweigerde nummers %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Toont alleen de vermeldingen waarvan de naam of het nummer deze tekst bevat</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Naam of nummer</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Controle</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Toch schrijven</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
</TS>
