<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Orvane 傳真通訊錄，版本 </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>下次啟動時使用的語言：</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
