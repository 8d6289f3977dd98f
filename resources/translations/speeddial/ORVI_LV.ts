<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>Atlasīt &amp;visu</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>R&amp;ediģēt...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>&amp;Dzēst</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>&amp;Pievienot</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>&amp;Noņemt</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>Ieraksta veids</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>&amp;Individuāls ieraksts</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>&amp;Grupas ieraksts</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>Individuāls ieraksts</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>Vieta:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faksa numurs:</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>&amp;Vārds:</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>Grupas ieraksts</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>Vieta:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>&amp;Grupas nosaukums:</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>&amp;Reģistrētie ieraksti:</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Pievienot &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; &amp;Noņemt</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>Grupas &amp;dalībnieki:</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
</context>
</TS>
