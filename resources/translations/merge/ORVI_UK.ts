<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Об’єднання зі змінами в принтері</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Факсовий довідник у принтері було змінено після того, як ви його зчитали. Під час об’єднання зберігаються як зміни, внесені в принтері, так і зміни, внесені тут. Якщо одну й ту саму комірку змінено по-різному з обох боків, виберіть, який варіант зберегти під час об’єднання.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Змінені комірки:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Варіант &amp;принтера</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Варіант &amp;цього вікна</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Учасники груп, які прибираються, бо після об’єднання їхні комірки стають порожніми:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Об’єднати й записати</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Об’єднати...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Комірка</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>У принтері</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>У цьому вікні</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Змінено</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Під час об’єднання</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>У принтері</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>У цьому вікні</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Однаково в обох</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Конфлікт</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Варіант принтера</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Варіант цього вікна</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(порожньо)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (група з %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Відправник</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Відхилений номер %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Група %1 втрачає учасника %2</translation>
    </message>
</context>
</TS>
