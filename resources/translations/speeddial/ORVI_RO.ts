<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>Selectare &amp;totală</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>&amp;Editare...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>Ște&amp;rgere</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>&amp;Adăugare</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>&amp;Eliminare</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>Tip de intrare</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>Intrare &amp;individuală</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>Intrare de &amp;grup</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>Intrare individuală</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>Poziție:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>Număr de &amp;fax:</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>&amp;Nume:</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>Intrare de grup</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>Poziție:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>&amp;Nume grup:</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>&amp;Intrări înregistrate:</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Adăugare &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; &amp;Eliminare</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>&amp;Membri grup:</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
</TS>
