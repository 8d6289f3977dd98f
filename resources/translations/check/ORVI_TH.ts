<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>ตรวจสอบ(&amp;C)...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>การเปลี่ยนแปลงของคุณทำให้เกิดปัญหาต่อไปนี้ในสมุดรายชื่อแฟกซ์ของเครื่องพิมพ์ คุณยังต้องการเขียนหรือไม่</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>สมุดรายชื่อแฟกซ์ที่แสดงอยู่มีปัญหาต่อไปนี้:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>สมุดรายชื่อแฟกซ์ที่แสดงอยู่ไม่มีปัญหา</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>เลขที่</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>ปัญหา</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>ผู้ส่ง</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>ปฏิเสธ %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>สมาชิก %1 เป็นเลขที่ที่ว่างอยู่</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>หมายเลข %1 อยู่ในเลขที่ %2</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>กลุ่มนี้ไม่มีสมาชิก</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>เครื่องพิมพ์ไม่ยอมรับชื่อ “%1”</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>เครื่องพิมพ์ไม่ยอมรับหมายเลข “%1”</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>หมายเลข %1 อยู่ในหมายเลขที่ปฏิเสธ %2</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>แสดงเฉพาะรายการที่ชื่อหรือหมายเลขมีข้อความนี้อยู่</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>ชื่อหรือหมายเลข</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>ค้นหา(&amp;F):</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>ตรวจสอบ</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>ยืนยันการเขียน(&amp;W)</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
</context>
</TS>
