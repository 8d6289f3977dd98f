<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Agenda de fax Orvane, versión </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>Idioma a partir del próximo inicio:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
