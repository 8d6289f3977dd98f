<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="146.0">
        <source>Rejected Number</source>
        <translation>Отклоняемый номер</translation>
    </message>
    <message id="146.-1">
        <source>No.:</source>
        <translation>№:</translation>
    </message>
    <message id="146.1033">
        <source>&amp;Fax number:</source>
        <translation>&amp;Номер факса:</translation>
    </message>
    <message id="146.1">
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message id="146.2">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="147.0">
        <source>Sender Information</source>
        <translation>Данные отправителя</translation>
    </message>
    <message id="147.1015">
        <source>&amp;Name:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message id="147.1016">
        <source>&amp;Fax number:</source>
        <translation>&amp;Номер факса:</translation>
    </message>
    <message id="147.1">
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message id="147.2">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
