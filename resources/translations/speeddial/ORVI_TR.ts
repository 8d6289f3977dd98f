<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>&amp;Tümünü Seç</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>&amp;Düzenle...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>&amp;Sil</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>&amp;Ekle</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>&amp;Çıkar</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>Kayıt Türü</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>&amp;Bireysel kayıt</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>&amp;Grup kaydı</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>Bireysel Kayıt</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>Konum:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faks numarası:</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>&amp;Ad:</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>Grup Kaydı</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>Konum:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>Grup &amp;adı:</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>&amp;Mevcut kayıtlar:</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Ekle &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; &amp;Çıkar</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>&amp;Grup üyeleri:</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
</TS>
