<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Unisci con le modifiche della stampante</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>La rubrica fax nella stampante è stata modificata dopo la lettura. L’unione mantiene sia le modifiche apportate sulla stampante sia quelle apportate qui. Se una posizione è stata modificata in modo diverso da entrambe le parti, scegliere quale versione mantenere nell’unione.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Posizioni modificate:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Versione della &amp;stampante</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Versione di questa &amp;finestra</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>Membri di &amp;gruppo rimossi perché l’unione svuota le loro posizioni:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Unisci e scrivi</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Unisci...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Posizione</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>Nella stampante</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>In questa finestra</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Modifica</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Versione mantenuta</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>Nella stampante</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>In questa finestra</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>In entrambe allo stesso modo</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Conflitto</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Della stampante</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Di questa finestra</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(vuota)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (gruppo di %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Mittente</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Numero rifiutato %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Il gruppo %1 perde il membro %2</translation>
    </message>
</context>
</TS>
