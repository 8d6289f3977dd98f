<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Факсовий довідник Orvane, версія </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>Мова після наступного запуску:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
</TS>
