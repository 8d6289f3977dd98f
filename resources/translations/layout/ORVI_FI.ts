<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Orvane-faksiluettelo, versio </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>Kieli seuraavasta käynnistyksestä alkaen:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
</TS>
