<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Preveri...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Vaše spremembe bodo v faksni imenik tiskalnika vnesle te težave. Ali želite kljub temu zapisati?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Prikazani faksni imenik ima te težave:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Prikazani faksni imenik nima težav.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Mesto</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Težava</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Pošiljatelj</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Zavrnjena številka %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Član %1 je prazno mesto.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Številka %1 je na mestih %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Skupina nima članov.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Tiskalnik ne sprejme imena „%1“.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Tiskalnik ne sprejme številke „%1“.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Številka %1 je med zavrnjenimi številkami %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Prikaže samo vnose, katerih ime ali številka vsebuje to besedilo</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Ime ali številka</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>Naj&amp;di:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Preverjanje</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Vseeno zapiši</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
</context>
</TS>
