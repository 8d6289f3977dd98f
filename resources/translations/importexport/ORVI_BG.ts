<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Още</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Още команди за показания указател: импортиране на адресна книга, експортиране на указателя</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Импортирай...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Експортирай...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Адресни книги и указатели</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Адресна книга vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV таблица</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON указател</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Файлът %1 не можа да бъде прочетен.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Файлът %1 не може да бъде импортиран: той не е адресна книга или указател, които тази програма може да чете.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Файлът %1 не можа да бъде запазен. Проверете дали имате права за запис в папката и дали дискът не е пълен.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Импортиране</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: поставени %2, променени %3, съкратени %4, непоставени %5.
OK ги прехвърля в показания указател; нищо не стига до принтера, преди да натиснете „Запиши“.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Записи от файла:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Ред</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Позиция</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Име</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Номер на факс</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Резултат</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Подател</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Отхвърлен номер %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Поставен</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Променен</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Съкратен</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Непоставен</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>името „%1“ стана „%2“</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>името „%1“ е съкратено до %2 знака</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>номерът „%1“ стана „%2“</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>номерът „%1“ е съкратен до %2 знака</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>принтерът няма позиция %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>позицията е посочена два пъти</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>няма номер, който принтерът приема</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>не е останала свободна позиция</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>няма номер, който принтерът приема; позицията остава празна</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>членът %1 е пропуснат: принтерът няма такава позиция</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>членът %1 е посочен два пъти</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Избор на колони</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Колоните на %1 не са разпознати. Изберете колоната, която съдържа името на всеки контакт, и тази, която съдържа номера на факс.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Име:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Номер на факс:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
</TS>
