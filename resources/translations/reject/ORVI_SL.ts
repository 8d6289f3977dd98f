<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="146.0">
        <source>Rejected Number</source>
        <translation>Zavrnjena številka</translation>
    </message>
    <message id="146.-1">
        <source>No.:</source>
        <translation>Št.:</translation>
    </message>
    <message id="146.1033">
        <source>&amp;Fax number:</source>
        <translation>Številka &amp;faksa:</translation>
    </message>
    <message id="146.1">
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message id="146.2">
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message id="147.0">
        <source>Sender Information</source>
        <translation>Podatki o pošiljatelju</translation>
    </message>
    <message id="147.1015">
        <source>&amp;Name:</source>
        <translation>&amp;Ime:</translation>
    </message>
    <message id="147.1016">
        <source>&amp;Fax number:</source>
        <translation>Številka &amp;faksa:</translation>
    </message>
    <message id="147.1">
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message id="147.2">
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
</TS>
