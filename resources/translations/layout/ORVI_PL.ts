<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Książka adresowa faksu Orvane, wersja </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>Język od następnego uruchomienia:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
</TS>
