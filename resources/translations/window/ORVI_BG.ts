<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="144.1019">
        <source>&amp;Edit...</source>
        <translation>&amp;Редактирай...</translation>
    </message>
    <message id="144.1020">
        <source>Select &amp;All</source>
        <translation>Избери &amp;всички</translation>
    </message>
    <message id="144.1021">
        <source>&amp;Delete</source>
        <translation>&amp;Изтрий</translation>
    </message>
    <message id="143.1008">
        <source>&amp;Edit...</source>
        <translation>&amp;Редактирай...</translation>
    </message>
    <message id="143.1009">
        <source>Select &amp;All</source>
        <translation>Избери &amp;всички</translation>
    </message>
    <message id="143.1010">
        <source>&amp;Delete</source>
        <translation>&amp;Изтрий</translation>
    </message>
    <message id="145.1022">
        <source>&amp;Edit...</source>
        <translation>&amp;Редактирай...</translation>
    </message>
    <message id="145.1023">
        <source>Select &amp;All</source>
        <translation>Избери &amp;всички</translation>
    </message>
    <message id="145.1024">
        <source>&amp;Delete</source>
        <translation>&amp;Изтрий</translation>
    </message>
    <message id="181.-1">
        <source>Communicating with the printer. Please wait...</source>
        <translation>Комуникация с принтера. Моля, изчакайте...</translation>
    </message>
</context>
</TS>
