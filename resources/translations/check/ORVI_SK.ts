<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Skontrolovať...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Vaše zmeny vnesú do faxového adresára tlačiarne tieto problémy. Chcete napriek tomu zapísať?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Zobrazený faxový adresár obsahuje tieto problémy:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Zobrazený faxový adresár neobsahuje žiadne problémy.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Pozícia</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problém</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Odosielateľ</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Odmietnuté číslo %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Člen %1 je prázdna pozícia.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Číslo %1 je na pozíciách %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Skupina nemá žiadnych členov.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Tlačiareň neprijíma meno „%1“.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Tlačiareň neprijíma číslo „%1“.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Číslo %1 je medzi odmietnutými číslami %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Zobrazí iba záznamy, ktorých meno alebo číslo obsahuje tento text</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Meno alebo číslo</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>Hľ&amp;adať:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Kontrola</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Zapísať aj tak</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
</context>
</TS>
