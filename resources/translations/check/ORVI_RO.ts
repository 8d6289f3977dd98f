<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Verificare...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Modificările pe care le-ați făcut introduc aceste probleme în agenda fax a imprimantei. Doriți totuși să scrieți în imprimantă?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Agenda fax afișată are următoarele probleme:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Agenda fax afișată nu are probleme.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Poziție</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problemă</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Expeditor</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Număr respins %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Membrul %1 este o poziție goală.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Numărul %1 se află în pozițiile %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Grupul nu are membri.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Imprimanta nu acceptă numele „%1”.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Imprimanta nu acceptă numărul „%1”.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Numărul %1 se află printre numerele respinse %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Afișează doar intrările al căror nume sau număr conține acest text</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Nume sau număr</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>&amp;Găsire:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Verificare</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Scrie totuși</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Închidere</translation>
    </message>
</context>
</TS>
