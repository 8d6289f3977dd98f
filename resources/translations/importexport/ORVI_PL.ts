<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Więcej</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Więcej poleceń dla wyświetlanej książki adresowej: import kontaktów, eksport książki adresowej</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importuj...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Eksportuj...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Kontakty i książki adresowe</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Kontakty vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>Tabela CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>Książka adresowa JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Nie można odczytać pliku %1.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Nie można zaimportować pliku %1: nie zawiera on kontaktów ani książki adresowej, które ten program potrafi odczytać.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Nie można zapisać pliku %1. Sprawdź, czy masz uprawnienia do zapisu w folderze i czy dysk nie jest zapełniony.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: umieszczone: %2, zmienione: %3, skrócone: %4, nieumieszczone: %5.
Przycisk OK przenosi je do wyświetlanej książki adresowej; nic nie trafi do drukarki, dopóki nie klikniesz Prześlij.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Wpisy z pliku:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Wiersz</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Pozycja</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Numer faksu</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Nadawca</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Odrzucany numer %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Umieszczono</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Zmieniono</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Skrócono</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Nie umieszczono</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>nazwa „%1” zmieniona na „%2”</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>nazwa „%1” skrócona (maks. liczba znaków: %2)</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>numer „%1” zmieniony na „%2”</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>numer „%1” skrócony (maks. liczba znaków: %2)</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>drukarka nie ma pozycji %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>pozycja podana dwukrotnie</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>brak numeru akceptowanego przez drukarkę</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>brak wolnych pozycji</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>brak numeru akceptowanego przez drukarkę; pozycja pozostaje pusta</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>członek %1 pominięty: drukarka nie ma takiej pozycji</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>członek %1 podany dwukrotnie</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Wybór kolumn</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Nie rozpoznano kolumn pliku %1. Wybierz kolumnę zawierającą nazwę każdego kontaktu oraz kolumnę zawierającą numer faksu.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>Numer &amp;faksu:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
</TS>
