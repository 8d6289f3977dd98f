<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Faxový adresár Orvane, verzia </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>Jazyk od ďalšieho spustenia:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
</TS>
