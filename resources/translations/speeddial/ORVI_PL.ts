<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>Z&amp;aznacz wszystko</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>&amp;Edytuj...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>Typ wpisu</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>&amp;Pojedynczy wpis</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>&amp;Wpis grupowy</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>Pojedynczy wpis</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>Pozycja:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>Numer &amp;faksu:</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>Wpis grupowy</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>Pozycja:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>&amp;Nazwa grupy:</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>&amp;Zarejestrowane wpisy:</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Dodaj &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; &amp;Usuń</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>&amp;Członkowie grupy:</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
</TS>
