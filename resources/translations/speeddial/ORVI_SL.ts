<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>Izberi &amp;vse</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>&amp;Uredi...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>&amp;Izbriši</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>&amp;Odstrani</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>Vrsta vnosa</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>&amp;Posamezen vnos</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>&amp;Skupinski vnos</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>Posamezen vnos</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>Mesto:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>Številka &amp;faksa:</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>&amp;Ime:</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>Skupinski vnos</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>Mesto:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>&amp;Ime skupine:</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>&amp;Registrirani vnosi:</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Dodaj &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; &amp;Odstrani</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>Člani &amp;skupine:</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
</TS>
