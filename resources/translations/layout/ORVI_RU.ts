<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Факсовый справочник Orvane, версия </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>Язык при следующем запуске:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
