<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Orvane ファクス電話帳 バージョン </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>次回起動時からの言語：</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
