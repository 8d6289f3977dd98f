<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>ผสานกับการเปลี่ยนแปลงในเครื่องพิมพ์</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>สมุดรายชื่อแฟกซ์ในเครื่องพิมพ์มีการเปลี่ยนแปลงหลังจากที่คุณอ่าน การผสานจะเก็บทั้งการเปลี่ยนแปลงที่ทำในเครื่องพิมพ์และการเปลี่ยนแปลงที่ทำที่นี่ไว้ หากทั้งสองฝั่งเปลี่ยนแปลงเลขที่เดียวกันไม่เหมือนกัน โปรดเลือกว่าจะให้การผสานเก็บฝั่งใดไว้</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>เลขที่ที่เปลี่ยนแปลง(&amp;C):</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>ใช้ของเครื่องพิมพ์(&amp;P)</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>เก็บของหน้าต่างนี้(&amp;T)</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>สมาชิกกลุ่มที่ถูกนำออกเนื่องจากการผสานทำให้เลขที่ของสมาชิกว่าง(&amp;G):</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>ผสานและเขียน</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>ผสาน...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>เลขที่</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>ในเครื่องพิมพ์</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>ในหน้าต่างนี้</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>เปลี่ยนแปลงที่</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>การผสานใช้</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>ในเครื่องพิมพ์</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>ในหน้าต่างนี้</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>เหมือนกันทั้งสองฝั่ง</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>ขัดแย้ง</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>ของเครื่องพิมพ์</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>ของหน้าต่างนี้</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(ว่าง)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (กลุ่มของ %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>ผู้ส่ง</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>ปฏิเสธ %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>นำสมาชิก %2 ออกจากกลุ่ม %1</translation>
    </message>
</context>
</TS>
