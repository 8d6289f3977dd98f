<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="146.0">
        <source>Rejected Number</source>
        <translation>Número rechazado</translation>
    </message>
    <message id="146.-1">
        <source>No.:</source>
        <translation>N.º:</translation>
    </message>
    <message id="146.1033">
        <source>&amp;Fax number:</source>
        <translation>Número de &amp;fax:</translation>
    </message>
    <message id="146.1">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="146.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="147.0">
        <source>Sender Information</source>
        <translation>Información del remitente</translation>
    </message>
    <message id="147.1015">
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message id="147.1016">
        <source>&amp;Fax number:</source>
        <translation>Número de &amp;fax:</translation>
    </message>
    <message id="147.1">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="147.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
