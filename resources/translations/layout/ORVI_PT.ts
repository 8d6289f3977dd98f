<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Agenda de fax Orvane, versão </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>Idioma a partir do próximo início:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
