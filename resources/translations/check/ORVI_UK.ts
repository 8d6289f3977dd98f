<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Перевірити...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Ваші зміни вносять ці проблеми у факсовий довідник принтера. Усе одно записати?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>У показаному факсовому довіднику є такі проблеми:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>У показаному факсовому довіднику проблем немає.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Комірка</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Проблема</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Відправник</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Відхилений номер %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Учасник %1 — порожня комірка.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Номер %1 є в комірках %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>У групі немає учасників.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Принтер не приймає ім’я «%1».</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Принтер не приймає номер «%1».</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Номер %1 є серед відхилених номерів %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Показувати лише записи, ім’я або номер яких містить цей текст</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Ім’я або номер</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>По&amp;шук:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Перевірка</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Усе одно записати</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
</TS>
