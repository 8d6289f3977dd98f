<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Pārbaudīt...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Jūsu izmaiņas ienes printera faksa katalogā šīs problēmas. Vai tomēr vēlaties to ierakstīt printerī?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Parādītajā faksa katalogā ir šādas problēmas:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Parādītajā faksa katalogā nav problēmu.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Vieta</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problēma</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Sūtītājs</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Noraidītais %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Dalībnieks %1 ir tukša vieta.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Numurs %1 ir vietās %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Grupai nav dalībnieku.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Printeris nepieņem vārdu „%1“.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Printeris nepieņem numuru „%1“.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Numurs %1 ir noraidīto numuru vietās %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Rāda tikai tos ierakstus, kuru vārds vai numurs satur šo tekstu</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Vārds vai numurs</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>&amp;Meklēt:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Pārbaude</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Tomēr rakstīt</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Aizvērt</translation>
    </message>
</context>
</TS>
