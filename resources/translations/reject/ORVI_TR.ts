<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="146.0">
        <source>Rejected Number</source>
        <translation>Reddedilen Numara</translation>
    </message>
    <message id="146.-1">
        <source>No.:</source>
        <translation>No.:</translation>
    </message>
    <message id="146.1033">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faks numarası:</translation>
    </message>
    <message id="146.1">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="146.2">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message id="147.0">
        <source>Sender Information</source>
        <translation>Gönderen Bilgileri</translation>
    </message>
    <message id="147.1015">
        <source>&amp;Name:</source>
        <translation>&amp;Ad:</translation>
    </message>
    <message id="147.1016">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faks numarası:</translation>
    </message>
    <message id="147.1">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="147.2">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
</TS>
