<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>دليل فاكس Orvane، الإصدار </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>اللغة اعتبارًا من التشغيل التالي:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
</TS>
