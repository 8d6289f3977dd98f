<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>สมุดรายชื่อแฟกซ์ Orvane เวอร์ชัน </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>ภาษาที่จะใช้เมื่อเริ่มโปรแกรมครั้งถัดไป:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
</TS>
