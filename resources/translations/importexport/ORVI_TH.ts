<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>เพิ่มเติม</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>คำสั่งเพิ่มเติมสำหรับสมุดรายชื่อที่แสดงอยู่: นำเข้าสมุดที่อยู่ ส่งออกสมุดรายชื่อ</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>นำเข้า(&amp;I)...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>ส่งออก(&amp;E)...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>สมุดที่อยู่และสมุดรายชื่อ</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>สมุดที่อยู่ vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>ตาราง CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>สมุดรายชื่อ JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>ไม่สามารถอ่านไฟล์ %1 ได้</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>ไม่สามารถนำเข้าไฟล์ %1 ได้ ไฟล์นี้ไม่ใช่สมุดที่อยู่หรือสมุดรายชื่อที่โปรแกรมนี้อ่านได้
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>ไม่สามารถบันทึกไฟล์ %1 ได้ โปรดตรวจสอบว่าคุณมีสิทธิ์เขียนลงในโฟลเดอร์ และดิสก์ยังไม่เต็ม</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>นำเข้า</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: เพิ่มแล้ว %2 รายการ เปลี่ยนแล้ว %3 รายการ ตัดให้สั้นลง %4 รายการ ไม่ได้เพิ่ม %5 รายการ
“ตกลง” จะนำรายการเหล่านี้เข้าสู่สมุดรายชื่อที่แสดงอยู่ และจะไม่มีสิ่งใดถูกส่งไปยังเครื่องพิมพ์จนกว่าคุณจะกด “เขียน”</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>รายการในไฟล์(&amp;E):</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>บรรทัด</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>เลขที่</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>หมายเลขแฟกซ์</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>ผลลัพธ์</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>รายละเอียด</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>ผู้ส่ง</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>ปฏิเสธ %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>เพิ่มแล้ว</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>เปลี่ยนแล้ว</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>ตัดให้สั้นลง</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>ไม่ได้เพิ่ม</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>ชื่อ “%1” เปลี่ยนเป็น “%2”</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>ชื่อ “%1” ถูกตัดเหลือ %2 อักขระ</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>หมายเลข “%1” เปลี่ยนเป็น “%2”</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>หมายเลข “%1” ถูกตัดเหลือ %2 อักขระ</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>เครื่องพิมพ์ไม่มีเลขที่ %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>มีการระบุเลขที่นี้สองครั้ง</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>ไม่มีหมายเลขที่เครื่องพิมพ์ยอมรับ</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>ไม่มีเลขที่ว่างเหลืออยู่</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>ไม่มีหมายเลขที่เครื่องพิมพ์ยอมรับ จึงปล่อยเลขที่นี้ว่างไว้</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>ข้ามสมาชิก %1: เครื่องพิมพ์ไม่มีเลขที่นี้</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>มีการระบุสมาชิก %1 สองครั้ง</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>เลือกคอลัมน์</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>ไม่รู้จักคอลัมน์ของ %1 โปรดเลือกคอลัมน์ที่มีชื่อของผู้ติดต่อแต่ละราย และคอลัมน์ที่มีหมายเลขแฟกซ์</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>ชื่อ(&amp;N):</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>หมายเลขแฟกซ์(&amp;F):</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
</TS>
