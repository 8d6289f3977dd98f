<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="146.0">
        <source>Rejected Number</source>
        <translation>หมายเลขที่ปฏิเสธ</translation>
    </message>
    <message id="146.-1">
        <source>No.:</source>
        <translation>เลขที่:</translation>
    </message>
    <message id="146.1033">
        <source>&amp;Fax number:</source>
        <translation>หมายเลขแฟกซ์(&amp;F):</translation>
    </message>
    <message id="146.1">
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message id="146.2">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message id="147.0">
        <source>Sender Information</source>
        <translation>ข้อมูลผู้ส่ง</translation>
    </message>
    <message id="147.1015">
        <source>&amp;Name:</source>
        <translation>ชื่อ(&amp;N):</translation>
    </message>
    <message id="147.1016">
        <source>&amp;Fax number:</source>
        <translation>หมายเลขแฟกซ์(&amp;F):</translation>
    </message>
    <message id="147.1">
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message id="147.2">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
</TS>
