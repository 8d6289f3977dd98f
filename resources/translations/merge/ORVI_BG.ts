<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Обединяване с промените в принтера</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Факс указателят в принтера е бил променен, след като сте го прочели. Обединяването запазва както промените, направени в принтера, така и тези, направени тук. Където двете страни са променили една и съща позиция по различен начин, изберете коя страна да запази обединяването.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Променени позиции:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>&amp;Вземи от принтера</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>&amp;Запази от прозореца</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Членове на групи, премахнати, защото обединяването изпразва позициите им:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Обедини и запиши</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Обедини...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Позиция</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>В принтера</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>В този прозорец</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Променено</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Обединяването взема</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>В принтера</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>В този прозорец</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>И в двете еднакво</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Конфликт</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>От принтера</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>От този прозорец</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(празна)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (група от %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Подател</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Отхвърлен номер %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Групата %1 губи члена %2</translation>
    </message>
</context>
</TS>
