<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Sprawdź...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Twoje zmiany wprowadzają te problemy do książki adresowej faksu w drukarce. Czy mimo to przesłać?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Wyświetlana książka adresowa faksu zawiera następujące problemy:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Wyświetlana książka adresowa faksu nie zawiera problemów.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Pozycja</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Nadawca</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Odrzucany numer %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Członek %1 to pusta pozycja.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Numer %1 występuje na pozycjach %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Grupa nie ma członków.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Drukarka nie akceptuje nazwy „%1”.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Drukarka nie akceptuje numeru „%1”.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Numer %1 występuje wśród odrzucanych numerów %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Pokazuje tylko wpisy, których nazwa lub numer zawiera ten tekst</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Nazwa lub numer</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>&amp;Szukaj:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Sprawdzanie</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Prześlij mimo to</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
</TS>
