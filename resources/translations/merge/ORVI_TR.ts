<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Yazıcıdaki Değişikliklerle Birleştir</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Yazıcıdaki faks rehberi, siz okuduktan sonra değiştirildi. Birleştirme, hem yazıcıda hem de burada yapılan değişiklikleri korur. Bir konumun iki tarafta farklı şekilde değiştirildiği durumlarda, birleştirmenin hangi tarafı koruyacağını seçin.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Değişen konumlar:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>&amp;Yazıcıdakini Al</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Bu &amp;Penceredekini Koru</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>Birleştirme konumlarını boşalttığı için çıkarılan &amp;grup üyeleri:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Birleştir ve Yaz</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Birleştir...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Konum</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>Yazıcıda</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>Bu pencerede</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Değiştiği yer</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Birleştirmede alınan</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>Yazıcıda</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>Bu pencerede</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>İkisinde de aynı</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Çakışma</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Yazıcıdaki</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Bu penceredeki</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(boş)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (grup: %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Gönderen</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Reddedilen numara %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Grup %1, %2 üyesini kaybediyor</translation>
    </message>
</context>
</TS>
