<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Tikrinti...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Jūsų pakeitimai į spausdintuvo fakso katalogą įneš šias problemas. Ar vis tiek norite įrašyti?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Rodomame fakso kataloge yra šios problemos:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Rodomame fakso kataloge problemų nėra.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Vieta</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Siuntėjas</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Atmetamas numeris %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Narys %1 yra tuščia vieta.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Numeris %1 yra vietose %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Grupė neturi narių.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Spausdintuvas nepriima vardo „%1“.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Spausdintuvas nepriima numerio „%1“.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Numeris %1 yra tarp atmetamų numerių %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Rodo tik tuos įrašus, kurių varde arba numeryje yra šis tekstas</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Vardas arba numeris</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>I&amp;eškoti:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Tikrinimas</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Vis tiek įrašyti</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Uždaryti</translation>
    </message>
</context>
</TS>
