<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>Type d’entrée</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>Entrée &amp;individuelle</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>Entrée de &amp;groupe</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>Entrée individuelle</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>Emplacement :</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>Numéro de &amp;fax :</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>Entrée de groupe</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>Emplacement :</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>&amp;Nom du groupe :</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>&amp;Entrées enregistrées :</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Ajouter &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; &amp;Retirer</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>&amp;Membres du groupe :</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
