<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Ellenőrzés...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>A módosításai az alábbi problémákat okozzák a nyomtató faxcímjegyzékében. Mégis végrehajtja az írást?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>A megjelenített faxcímjegyzékben a következő problémák vannak:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>A megjelenített faxcímjegyzékben nincsenek problémák.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Hely</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Probléma</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Feladó</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Elutasított szám: %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>A(z) %1 tag üres hely.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>A(z) %1 szám a következő helyeken szerepel: %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>A csoportnak nincsenek tagjai.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>A nyomtató nem fogadja el a(z) „%1” nevet.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>A nyomtató nem fogadja el a(z) „%1” számot.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>A(z) %1 szám szerepel az elutasított számok között: %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Csak azokat a bejegyzéseket jeleníti meg, amelyek neve vagy száma tartalmazza ezt a szöveget</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Név vagy szám</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>&amp;Gyorskeresés:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Ellenőrzés</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>Írás &amp;mindenképpen</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
</context>
</TS>
