<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>除外(&amp;R)</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>宛先の種類</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>個別宛先(&amp;I)</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>グループ宛先(&amp;G)</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>個別宛先</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>番号：</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>ファクス番号(&amp;F)：</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>名前(&amp;N)：</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>グループ宛先</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>番号：</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>グループ名(&amp;N)：</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>登録済みの宛先(&amp;R)：</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>追加(&amp;A) &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; 除外(&amp;M)</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>グループメンバー(&amp;G)：</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
