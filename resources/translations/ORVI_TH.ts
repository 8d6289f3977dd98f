<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>ป้อนหมายเลขแฟกซ์ที่จะโทรออกสำหรับรายการนี้</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>ป้อนชื่อของรายการนี้</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>ป้อนชื่อของกลุ่ม</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>รายการที่สามารถเพิ่มลงในกลุ่มได้</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>เพิ่มรายการที่เลือกลงในกลุ่ม</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>นำสมาชิกที่เลือกออกจากกลุ่ม</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>รายการที่อยู่ในกลุ่ม</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>เขียน(&amp;W)</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>ปิด(&amp;C)</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>อ่าน(&amp;R)</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>วิธีใช้(&amp;H)</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>สมุดรายชื่อแฟกซ์</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>บันทึก(&amp;V)...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>โหลด(&amp;O)...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>เครื่องพิมพ์:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>ข้อความ(&amp;M)</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>เลือกเครื่องพิมพ์แล้วกด “อ่าน” เพื่อดูสมุดรายชื่อแฟกซ์ของเครื่องพิมพ์</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>การสื่อสารกับเครื่องพิมพ์ล้มเหลว โปรดตรวจสอบว่าเปิดเครื่องพิมพ์และเชื่อมต่อไว้แล้ว จากนั้นลองอีกครั้ง</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>เครื่องพิมพ์กำลังทำงานอื่นอยู่ โปรดรอจนกว่างานนั้นจะเสร็จ แล้วลองอีกครั้ง</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>ผู้ใช้อื่นกำลังใช้พอร์ตของเครื่องพิมพ์อยู่ โปรดลองอีกครั้งเมื่อผู้ใช้นั้นใช้งานเสร็จแล้ว</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>หน่วยความจำไม่เพียงพอที่จะดำเนินการนี้ให้เสร็จสมบูรณ์ โปรดปิดโปรแกรมอื่นแล้วลองอีกครั้ง</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>ไม่สามารถบันทึกไฟล์สมุดรายชื่อได้ โปรดตรวจสอบว่าคุณมีสิทธิ์เขียนลงในโฟลเดอร์ และดิสก์ยังไม่เต็ม</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>ไม่สามารถอ่านรายชื่อรุ่นเครื่องพิมพ์ที่รองรับ (orvkit.dat) ได้ โปรดติดตั้งโปรแกรมใหม่อีกครั้ง</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>ไม่สามารถอ่านไฟล์ได้ หรือไฟล์นี้ไม่ใช่ไฟล์สมุดรายชื่อแฟกซ์</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>โปรดป้อนหมายเลขแฟกซ์ รายการที่มีชื่อต้องมีหมายเลขแฟกซ์</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>โปรดเพิ่มสมาชิกอย่างน้อยหนึ่งรายการ กลุ่มที่มีชื่อต้องมีสมาชิก</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>ไฟล์สมุดรายชื่อนี้บันทึกไว้สำหรับเครื่องพิมพ์รุ่นอื่น คุณยังต้องการโหลดไฟล์นี้หรือไม่</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>คุณเลือกเครื่องพิมพ์อื่น แต่สมุดรายชื่อที่แสดงอยู่มีการเปลี่ยนแปลงที่ยังไม่ได้เขียนลงในเครื่องพิมพ์ คุณต้องการละทิ้งการเปลี่ยนแปลงเหล่านั้นหรือไม่</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>สมุดรายชื่อแฟกซ์ในเครื่องพิมพ์มีการเปลี่ยนแปลงหลังจากที่คุณอ่าน คุณต้องการเขียนทับด้วยสมุดรายชื่อที่แสดงอยู่นี้หรือไม่</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>นี่คือตัวอย่างข้อความแสดงข้อผิดพลาด</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>คุณเลือกเครื่องพิมพ์อื่น คุณต้องการปิดสมุดรายชื่อที่แสดงอยู่หรือไม่</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>สมุดรายชื่อมีการเปลี่ยนแปลงที่ยังไม่ได้เขียนลงในเครื่องพิมพ์ คุณต้องการละทิ้งการเปลี่ยนแปลงเหล่านั้นหรือไม่</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>โปรแกรมกำลังทำงานอยู่ในเซสชันของผู้ใช้อื่น โปรแกรมนี้ใช้งานได้ครั้งละหนึ่งผู้ใช้เท่านั้น</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>นี่คือตัวอย่างข้อความแจ้งข้อมูล</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>ไม่สามารถดำเนินการให้เสร็จสมบูรณ์ได้ โปรดตรวจสอบว่าเครื่องพิมพ์เป็นรุ่นที่รองรับ เปิดเครื่องและเชื่อมต่อไว้แล้ว จากนั้นลองอีกครั้ง</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>ไม่สามารถสิ้นสุดเซสชันได้ขณะที่โปรแกรมกำลังทำงาน โปรดรอจนกว่าโปรแกรมจะทำงานเสร็จ แล้วลองอีกครั้ง</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>คอมพิวเตอร์ไม่สามารถเข้าสู่โหมดสแตนด์บายได้ขณะที่โปรแกรมกำลังสื่อสารกับเครื่องพิมพ์ โปรดลองอีกครั้งเมื่อการสื่อสารเสร็จสิ้น</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>เขียนสมุดรายชื่อแฟกซ์ลงในเครื่องพิมพ์แล้ว</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>th</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>อ่านสมุดรายชื่อแฟกซ์จากเครื่องพิมพ์ที่เลือก</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>เลือกส่วนของสมุดรายชื่อที่จะแสดง</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>บันทึกสมุดรายชื่อลงในไฟล์บนคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>โหลดสมุดรายชื่อจากไฟล์บนคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>เขียนสมุดรายชื่อที่แสดงอยู่ลงในเครื่องพิมพ์</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>รายการโทรด่วนของเครื่องพิมพ์</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>ข้อมูลผู้ส่งที่พิมพ์บนแฟกซ์ที่คุณส่ง</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>หมายเลขแฟกซ์ที่เครื่องพิมพ์จะปฏิเสธไม่รับแฟกซ์</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>ป้อนชื่อของคุณตามที่ต้องการให้ปรากฏบนแฟกซ์ที่คุณส่ง</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>ป้อนหมายเลขแฟกซ์ของคุณตามที่ต้องการให้ปรากฏบนแฟกซ์ที่คุณส่ง</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>ยืนยันข้อมูลผู้ส่ง</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>แก้ไขรายการที่เลือก</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>เลือกรายการทั้งหมด</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>ลบรายการที่เลือก</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>สร้างรายการที่มีหมายเลขแฟกซ์หนึ่งหมายเลข</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>สร้างกลุ่มจากหลายรายการ</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>เลือกเครื่องพิมพ์ที่จะใช้งาน</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>ป้อนหมายเลขแฟกซ์ที่จะปฏิเสธ</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>ยืนยันกลุ่มนี้</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>ดำเนินการต่อด้วยประเภทที่เลือก</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>ยืนยันรายการนี้</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>ยืนยันหมายเลขนี้</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>เลขที่</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>หมายเลขแฟกซ์</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>หมายเลขแฟกซ์</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[กลุ่ม]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>เลขที่</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>หมายเลขแฟกซ์</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>โทรด่วน</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>ข้อมูลผู้ส่ง</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>หมายเลขที่ปฏิเสธ</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>แฟกซ์</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>สมุดรายชื่อแฟกซ์ Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>เลขที่</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>หมายเลขแฟกซ์</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>เลขที่</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>หมายเลขแฟกซ์</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>โทรด่วน: รายการโทรแบบวันทัชและโทรแบบรหัส</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>โทรด่วน: รายการโทรแบบรหัส</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>รายการโทรแบบวันทัชมีเลขที่ 01, 02 ไปเรื่อย ๆ</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>รายการโทรแบบรหัสมีเลขที่ *00, *01 ไปเรื่อย ๆ</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>ข้อมูลผู้ส่ง: ชื่อและหมายเลขแฟกซ์ที่พิมพ์บนแฟกซ์ที่คุณส่ง</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>หมายเลขที่ปฏิเสธ: จะไม่รับแฟกซ์จากหมายเลขเหล่านี้</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>ภาษา...</translation>
    </message>
</context>
</TS>
