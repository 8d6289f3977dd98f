<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="146.0">
        <source>Rejected Number</source>
        <translation>رقم مرفوض</translation>
    </message>
    <message id="146.-1">
        <source>No.:</source>
        <translation>الرقم:</translation>
    </message>
    <message id="146.1033">
        <source>&amp;Fax number:</source>
        <translation>رقم ال&amp;فاكس:</translation>
    </message>
    <message id="146.1">
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message id="146.2">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="147.0">
        <source>Sender Information</source>
        <translation>معلومات المرسل</translation>
    </message>
    <message id="147.1015">
        <source>&amp;Name:</source>
        <translation>الا&amp;سم:</translation>
    </message>
    <message id="147.1016">
        <source>&amp;Fax number:</source>
        <translation>رقم ال&amp;فاكس:</translation>
    </message>
    <message id="147.1">
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message id="147.2">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
</TS>
