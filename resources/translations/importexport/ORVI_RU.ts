<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Ещё</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Другие команды для отображаемого справочника: импорт адресной книги, экспорт справочника</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Импорт...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Адресные книги и справочники</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Адресная книга vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>Таблица CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>Справочник JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Не удалось прочитать файл %1.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Невозможно импортировать файл %1: он не является адресной книгой или справочником, которые может прочитать эта программа.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Не удалось сохранить файл %1. Убедитесь, что у вас есть права на запись в эту папку и что диск не заполнен.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: размещено — %2, изменено — %3, обрезано — %4, не размещено — %5.
При нажатии «ОК» записи будут перенесены в отображаемый справочник; в принтер ничего не попадёт, пока вы не нажмёте «Записать».</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Записи файла:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Строка</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Ячейка</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Номер факса</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Отправитель</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Отклоняемый номер %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Размещено</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Изменено</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Обрезано</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Не размещено</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>имя «%1» заменено на «%2»</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>имя «%1» обрезано до %2 символов</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>номер «%1» заменён на «%2»</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>номер «%1» обрезан до %2 символов</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>в принтере нет ячейки %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>ячейка указана дважды</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>нет номера, который принимает принтер</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>свободных ячеек не осталось</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>нет номера, который принимает принтер; ячейка оставлена пустой</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>участник %1 пропущен: в принтере нет такой ячейки</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>участник %1 указан дважды</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Выбор столбцов</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Столбцы файла %1 не распознаны. Выберите столбец, в котором указано имя каждого контакта, и столбец с номером факса.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Номер факса:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>
