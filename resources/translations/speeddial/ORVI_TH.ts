<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>เลือกทั้งหมด(&amp;A)</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>แก้ไข(&amp;E)...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>ลบ(&amp;D)</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>เพิ่ม(&amp;A)</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>นำออก(&amp;R)</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>ประเภทรายการ</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>รายการเดี่ยว(&amp;I)</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>รายการกลุ่ม(&amp;G)</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>รายการเดี่ยว</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>เลขที่:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>หมายเลขแฟกซ์(&amp;F):</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>ชื่อ(&amp;N):</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>รายการกลุ่ม</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>เลขที่:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>ชื่อกลุ่ม(&amp;N):</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>รายการที่ลงทะเบียนไว้(&amp;R):</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>เพิ่ม(&amp;A) &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; นำออก(&amp;M)</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>สมาชิกกลุ่ม(&amp;G):</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
</TS>
