<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="146.0">
        <source>Rejected Number</source>
        <translation>受信拒否番号</translation>
    </message>
    <message id="146.-1">
        <source>No.:</source>
        <translation>番号：</translation>
    </message>
    <message id="146.1033">
        <source>&amp;Fax number:</source>
        <translation>ファクス番号(&amp;F)：</translation>
    </message>
    <message id="146.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="146.2">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="147.0">
        <source>Sender Information</source>
        <translation>発信元情報</translation>
    </message>
    <message id="147.1015">
        <source>&amp;Name:</source>
        <translation>名前(&amp;N)：</translation>
    </message>
    <message id="147.1016">
        <source>&amp;Fax number:</source>
        <translation>ファクス番号(&amp;F)：</translation>
    </message>
    <message id="147.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="147.2">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
