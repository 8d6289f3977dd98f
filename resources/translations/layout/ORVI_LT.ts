<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Orvane fakso katalogas, versija </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>Kalba nuo kito paleidimo:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
</TS>
