<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Orvane faksa katalogs, versija </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>Valoda no nākamās palaišanas reizes:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
</context>
</TS>
