<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>&amp;Pilih Semua</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>&amp;Tambah</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>&amp;Keluarkan</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>Jenis Entri</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>Entri &amp;individu</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>Entri &amp;grup</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>Entri Individu</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>Lokasi:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>Nomor &amp;faks:</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>&amp;Nama:</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>Entri Grup</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>Lokasi:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>&amp;Nama grup:</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>&amp;Entri terdaftar:</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>&amp;Tambah &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; &amp;Keluarkan</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>&amp;Anggota grup:</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
</TS>
