<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="146.0">
        <source>Rejected Number</source>
        <translation>Odrzucany numer</translation>
    </message>
    <message id="146.-1">
        <source>No.:</source>
        <translation>Nr:</translation>
    </message>
    <message id="146.1033">
        <source>&amp;Fax number:</source>
        <translation>Numer &amp;faksu:</translation>
    </message>
    <message id="146.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="146.2">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="147.0">
        <source>Sender Information</source>
        <translation>Dane nadawcy</translation>
    </message>
    <message id="147.1015">
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message id="147.1016">
        <source>&amp;Fax number:</source>
        <translation>Numer &amp;faksu:</translation>
    </message>
    <message id="147.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="147.2">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
</TS>
