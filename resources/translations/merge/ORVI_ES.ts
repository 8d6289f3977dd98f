<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Fusionar con los cambios de la impresora</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>La agenda de fax de la impresora se ha modificado después de que usted la leyera. La fusión conserva los cambios hechos en la impresora y los hechos aquí. Si una posición se ha cambiado de forma distinta en ambos lados, elija qué versión conserva la fusión.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Posiciones cambiadas:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Versión de la &amp;impresora</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Versión de esta &amp;ventana</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>Miembros de &amp;grupo quitados porque la fusión vacía sus posiciones:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Fusionar y escribir</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Fusionar...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Posición</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>En la impresora</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>En esta ventana</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Cambio</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Versión conservada</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>En la impresora</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>En esta ventana</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>En ambos por igual</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Conflicto</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>De la impresora</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>De esta ventana</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(vacía)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (grupo de %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Remitente</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Número rechazado %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>El grupo %1 pierde el miembro %2</translation>
    </message>
</context>
</TS>
