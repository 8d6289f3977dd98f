<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Orvane 传真通讯簿，版本 </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>下次启动时使用的语言：</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
