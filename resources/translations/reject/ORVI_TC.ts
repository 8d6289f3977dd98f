<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="146.0">
        <source>Rejected Number</source>
        <translation>拒收號碼</translation>
    </message>
    <message id="146.-1">
        <source>No.:</source>
        <translation>編號：</translation>
    </message>
    <message id="146.1033">
        <source>&amp;Fax number:</source>
        <translation>傳真號碼(&amp;F)：</translation>
    </message>
    <message id="146.1">
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message id="146.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="147.0">
        <source>Sender Information</source>
        <translation>傳送者資訊</translation>
    </message>
    <message id="147.1015">
        <source>&amp;Name:</source>
        <translation>名稱(&amp;N)：</translation>
    </message>
    <message id="147.1016">
        <source>&amp;Fax number:</source>
        <translation>傳真號碼(&amp;F)：</translation>
    </message>
    <message id="147.1">
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message id="147.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
