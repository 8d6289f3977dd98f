<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et_EE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="144.1019">
        <source>&amp;Edit...</source>
        <translation>&amp;Muuda...</translation>
    </message>
    <message id="144.1020">
        <source>Select &amp;All</source>
        <translation>&amp;Vali kõik</translation>
    </message>
    <message id="144.1021">
        <source>&amp;Delete</source>
        <translation>K&amp;ustuta</translation>
    </message>
    <message id="143.1008">
        <source>&amp;Edit...</source>
        <translation>&amp;Muuda...</translation>
    </message>
    <message id="143.1009">
        <source>Select &amp;All</source>
        <translation>&amp;Vali kõik</translation>
    </message>
    <message id="143.1010">
        <source>&amp;Delete</source>
        <translation>K&amp;ustuta</translation>
    </message>
    <message id="145.1022">
        <source>&amp;Edit...</source>
        <translation>&amp;Muuda...</translation>
    </message>
    <message id="145.1023">
        <source>Select &amp;All</source>
        <translation>&amp;Vali kõik</translation>
    </message>
    <message id="145.1024">
        <source>&amp;Delete</source>
        <translation>K&amp;ustuta</translation>
    </message>
    <message id="181.-1">
        <source>Communicating with the printer. Please wait...</source>
        <translation>Toimub side printeriga. Palun oodake...</translation>
    </message>
</context>
</TS>
