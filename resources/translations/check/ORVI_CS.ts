<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Zkontrolovat...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Vaše změny vnesou do faxového adresáře tiskárny tyto problémy. Chcete přesto zapsat?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Zobrazený faxový adresář obsahuje tyto problémy:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Zobrazený faxový adresář neobsahuje žádné problémy.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Pozice</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problém</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Odesílatel</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Odmítnuté číslo %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Člen %1 je prázdná pozice.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Číslo %1 je na pozicích %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Skupina nemá žádné členy.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Tiskárna nepřijímá jméno „%1“.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Tiskárna nepřijímá číslo „%1“.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Číslo %1 je mezi odmítnutými čísly %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Zobrazí pouze záznamy, jejichž jméno nebo číslo obsahuje tento text</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Jméno nebo číslo</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>Hl&amp;edat:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Kontrola</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Přesto zapsat</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
</TS>
