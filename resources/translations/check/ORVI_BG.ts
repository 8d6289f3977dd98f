<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Провери...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Вашите промени внасят тези проблеми във факс указателя на принтера. Искате ли все пак да запишете?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Показаният факс указател има следните проблеми:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Показаният факс указател няма проблеми.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Позиция</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Проблем</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Подател</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Отхвърлен номер %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Членът %1 е празна позиция.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Номерът %1 е в позициите %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Групата няма членове.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Принтерът не приема името „%1“.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Принтерът не приема номера „%1“.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Номерът %1 е сред отхвърлените номера %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Показване само на записите, чието име или номер съдържа този текст</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Име или номер</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>&amp;Намиране:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Проверка</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Запиши въпреки това</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
</context>
</TS>
