<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>&amp;Bewerken...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>Type vermelding</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>&amp;Individuele vermelding</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>&amp;Groepsvermelding</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>Individuele vermelding</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>Plaats:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faxnummer:</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>Groepsvermelding</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>Plaats:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>Groeps&amp;naam:</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>&amp;Bestaande vermeldingen:</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Toevoegen &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; &amp;Verwijderen</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>&amp;Groepsleden:</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
</TS>
