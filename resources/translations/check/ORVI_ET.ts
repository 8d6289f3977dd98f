<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et_EE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Kontrolli...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Teie muudatused toovad printeri faksikataloogi need probleemid. Kas soovite siiski kirjutada?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Kuvatud faksikataloogis on järgmised probleemid:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Kuvatud faksikataloogis pole probleeme.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Koht</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Probleem</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Saatja</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Blokeeritud %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Liige %1 on tühi koht.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Number %1 on kohtades %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Rühmal pole liikmeid.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Printer ei aktsepteeri nime „%1“.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Printer ei aktsepteeri numbrit „%1“.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Number %1 on blokeeritud numbrite kohtades %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Kuvab ainult kirjed, mille nimi või number sisaldab seda teksti</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Nimi või number</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>&amp;Otsi:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Kontroll</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Kirjuta siiski</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Sulge</translation>
    </message>
</context>
</TS>
