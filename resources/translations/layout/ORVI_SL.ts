<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Faksni imenik Orvane, različica </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>Jezik ob naslednjem zagonu:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
</TS>
