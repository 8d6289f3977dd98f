<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>编辑(&amp;E)...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>条目类型</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>单个条目(&amp;I)</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>群组条目(&amp;G)</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>单个条目</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>编号：</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>传真号码(&amp;F)：</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>名称(&amp;N)：</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>群组条目</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>编号：</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>群组名称(&amp;N)：</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>已登记条目(&amp;R)：</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>添加(&amp;A) &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; 移除(&amp;M)</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>群组成员(&amp;G)：</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
