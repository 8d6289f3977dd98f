<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>Tar&amp;kista...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Muutoksesi tuovat nämä ongelmat tulostimen faksiluetteloon. Haluatko kirjoittaa silti?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Näytettävässä faksiluettelossa on seuraavat ongelmat:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Näytettävässä faksiluettelossa ei ole ongelmia.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Paikka</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Ongelma</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Lähettäjä</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Estetty %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Jäsen %1 on tyhjä paikka.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Numero %1 esiintyy paikoissa %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Ryhmällä ei ole jäseniä.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Tulostin ei hyväksy nimeä ”%1”.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Tulostin ei hyväksy numeroa ”%1”.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Numero %1 esiintyy estetyissä numeroissa %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Näyttää vain merkinnät, joiden nimessä tai numerossa on tämä teksti</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Nimi tai numero</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>&amp;Etsi:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Tarkistus</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Kirjoita silti</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
</context>
</TS>
