<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>Select &amp;All</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>&amp;Add</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>Entry Type</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>&amp;Individual entry</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>&amp;Group entry</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>Individual Entry</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>Slot:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>&amp;Fax number:</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>Group Entry</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>Slot:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>Group &amp;name:</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>&amp;Registered entries:</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Add &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; Re&amp;move</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>&amp;Group members:</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
