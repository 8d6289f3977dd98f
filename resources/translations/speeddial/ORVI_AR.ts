<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>تحديد ال&amp;كل</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>&amp;تحرير...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>إ&amp;ضافة</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>إ&amp;زالة</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>نوع الإدخال</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>إدخال &amp;فردي</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>إدخال م&amp;جموعة</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>إدخال فردي</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>الموضع:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>رقم ال&amp;فاكس:</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>الا&amp;سم:</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>إدخال مجموعة</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>الموضع:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>ا&amp;سم المجموعة:</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>الإدخالات ال&amp;مسجلة:</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>إ&amp;ضافة &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; إ&amp;زالة</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>&amp;أعضاء المجموعة:</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
</TS>
