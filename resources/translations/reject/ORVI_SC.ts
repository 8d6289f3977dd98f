<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="146.0">
        <source>Rejected Number</source>
        <translation>拒收号码</translation>
    </message>
    <message id="146.-1">
        <source>No.:</source>
        <translation>编号：</translation>
    </message>
    <message id="146.1033">
        <source>&amp;Fax number:</source>
        <translation>传真号码(&amp;F)：</translation>
    </message>
    <message id="146.1">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="146.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="147.0">
        <source>Sender Information</source>
        <translation>发送方信息</translation>
    </message>
    <message id="147.1015">
        <source>&amp;Name:</source>
        <translation>名称(&amp;N)：</translation>
    </message>
    <message id="147.1016">
        <source>&amp;Fax number:</source>
        <translation>传真号码(&amp;F)：</translation>
    </message>
    <message id="147.1">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="147.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
