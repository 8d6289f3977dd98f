<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Объединение с изменениями в принтере</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Факсовый справочник в принтере был изменён после того, как вы его считали. При объединении сохраняются как изменения, внесённые в принтере, так и изменения, внесённые здесь. Если одна и та же ячейка изменена по-разному с обеих сторон, выберите, какой вариант сохранить при объединении.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Изменённые ячейки:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Вариант &amp;принтера</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Вариант &amp;этого окна</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Участники групп, удаляемые, так как при объединении их ячейки становятся пустыми:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Объединить и записать</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Объединить...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Ячейка</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>В принтере</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>В этом окне</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Изменено</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>При объединении</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>В принтере</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>В этом окне</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Одинаково в обоих</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Конфликт</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Вариант принтера</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Вариант этого окна</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(пусто)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (группа из %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Отправитель</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Отклоняемый номер %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Группа %1 теряет участника %2</translation>
    </message>
</context>
</TS>
