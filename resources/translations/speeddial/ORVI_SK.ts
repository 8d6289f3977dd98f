<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>&amp;Vybrať všetko</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>&amp;Upraviť...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>Vy&amp;mazať</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>&amp;Pridať</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>&amp;Odobrať</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>Typ záznamu</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>&amp;Jednotlivý záznam</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>&amp;Skupinový záznam</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>Jednotlivý záznam</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>Pozícia:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faxové číslo:</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>&amp;Meno:</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>Skupinový záznam</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>Pozícia:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>&amp;Názov skupiny:</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>&amp;Registrované záznamy:</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Pridať &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; &amp;Odobrať</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>Členovia &amp;skupiny:</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
</TS>
