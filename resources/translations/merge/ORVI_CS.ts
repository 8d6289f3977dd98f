<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Sloučení se změnami v tiskárně</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Faxový adresář v tiskárně se od svého načtení změnil. Sloučení zachová změny provedené v tiskárně i změny provedené zde. Kde byla pozice na obou stranách změněna odlišně, zvolte, kterou stranu sloučení ponechá.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Změněné pozice:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Převzít z &amp;tiskárny</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Ponechat z tohoto &amp;okna</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>Členové &amp;skupin odebraní, protože sloučení vyprázdní jejich pozice:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Sloučit a zapsat</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Sloučit...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Pozice</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>V tiskárně</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>V tomto okně</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Změněno</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Sloučení převezme</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>V tiskárně</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>V tomto okně</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Na obou stejně</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Z tiskárny</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Z tohoto okna</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(prázdné)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (skupina: %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Odesílatel</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Odmítnuté číslo %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Skupina %1 přichází o člena %2</translation>
    </message>
</context>
</TS>
