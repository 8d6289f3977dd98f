<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>&amp;Selecionar tudo</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>&amp;Apagar</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>Tipo de entrada</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>Entrada &amp;individual</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>Entrada de &amp;grupo</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>Entrada individual</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>Posição:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>Número de &amp;fax:</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>Entrada de grupo</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>Posição:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>&amp;Nome do grupo:</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>&amp;Entradas disponíveis:</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Adicionar &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; &amp;Remover</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>&amp;Membros do grupo:</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
