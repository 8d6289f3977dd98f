<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Scalanie ze zmianami w drukarce</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Książka adresowa faksu w drukarce została zmieniona po jej odczytaniu. Scalanie zachowa zarówno zmiany wprowadzone w drukarce, jak i zmiany wprowadzone tutaj. Jeśli pozycja została zmieniona po obu stronach w różny sposób, wybierz, którą stronę zachowa scalanie.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Zmienione pozycje:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Przyjmij z &amp;drukarki</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Zachowaj z tego &amp;okna</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Członkowie grup pominięci, ponieważ scalanie opróżnia ich pozycje:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Scal i prześlij</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Scal...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Pozycja</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>W drukarce</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>W tym oknie</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Zmieniono</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Scalanie przyjmie</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>W drukarce</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>W tym oknie</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>W obu tak samo</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Z drukarki</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Z tego okna</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(puste)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (grupa: %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Nadawca</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Odrzucany numer %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Grupa %1 traci członka %2</translation>
    </message>
</context>
</TS>
