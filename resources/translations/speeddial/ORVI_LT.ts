<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>Žymėti &amp;viską</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>Re&amp;daguoti...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>&amp;Naikinti</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>&amp;Pridėti</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>&amp;Šalinti</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>Įrašo tipas</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>&amp;Atskiras įrašas</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>&amp;Grupės įrašas</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>Atskiras įrašas</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>Vieta:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>&amp;Fakso numeris:</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>&amp;Vardas:</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>Grupės įrašas</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>Vieta:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>&amp;Grupės pavadinimas:</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>&amp;Užregistruoti įrašai:</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Pridėti &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; &amp;Šalinti</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>Grupės &amp;nariai:</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
</TS>
