<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Більше</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Інші команди для показаного довідника: імпорт адресної книги, експорт довідника</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Імпорт...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Експорт...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Адресні книги та довідники</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Адресна книга vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>Таблиця CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>Довідник JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Не вдалося прочитати файл %1.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Неможливо імпортувати файл %1: він не є адресною книгою чи довідником, які може прочитати ця програма.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Не вдалося зберегти файл %1. Перевірте, чи маєте ви право на запис у цю папку і чи не заповнений диск.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: розміщено — %2, змінено — %3, обрізано — %4, не розміщено — %5.
Після натискання «OK» записи буде перенесено до показаного довідника; до принтера нічого не потрапить, доки ви не натиснете «Записати».</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Записи файлу:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Рядок</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Комірка</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Номер факсу</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Подробиці</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Відправник</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Відхилений номер %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Розміщено</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Змінено</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Обрізано</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Не розміщено</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>ім’я «%1» замінено на «%2»</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>ім’я «%1» обрізано до %2 символів</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>номер «%1» замінено на «%2»</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>номер «%1» обрізано до %2 символів</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>у принтері немає комірки %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>комірку вказано двічі</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>немає номера, який приймає принтер</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>вільних комірок не залишилося</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>немає номера, який приймає принтер; комірку залишено порожньою</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>учасника %1 пропущено: у принтері немає такої комірки</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>учасника %1 вказано двічі</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Вибір стовпців</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Стовпці файлу %1 не розпізнано. Виберіть стовпець, у якому вказано ім’я кожного контакту, і стовпець з номером факсу.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Ім’я:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Номер факсу:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
</TS>
