<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Проверить...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Ваши изменения вносят эти проблемы в факсовый справочник принтера. Всё равно записать?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>В отображаемом факсовом справочнике есть следующие проблемы:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>В отображаемом факсовом справочнике проблем нет.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Ячейка</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Проблема</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Отправитель</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Отклоняемый номер %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Участник %1 — пустая ячейка.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Номер %1 находится в ячейках %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>В группе нет участников.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Принтер не принимает имя «%1».</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Принтер не принимает номер «%1».</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Номер %1 находится среди отклоняемых номеров %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Показывать только записи, имя или номер которых содержит этот текст</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Имя или номер</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>&amp;Поиск:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Проверка</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Всё равно записать</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
