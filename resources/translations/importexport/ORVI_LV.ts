<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Vairāk</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Citas komandas parādītajam katalogam: importēt adrešu grāmatu, eksportēt katalogu</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importēt...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Eksportēt...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Adrešu grāmatas un katalogi</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard adrešu grāmata</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV tabula</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON katalogs</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Failu %1 nevarēja nolasīt.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Failu %1 nevar importēt: tas nav ne adrešu grāmata, ne katalogs, ko šī programma spēj nolasīt.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Failu %1 nevarēja saglabāt. Pārbaudiet, vai jums ir atļauja rakstīt mapē un vai disks nav pilns.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Importēšana</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: ievietoti %2, mainīti %3, saīsināti %4, nav ievietoti %5.
Ar pogu Labi tie tiek pievienoti parādītajam katalogam; printerī nekas netiek ierakstīts, pirms nenospiežat Rakstīt.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>Faila &amp;ieraksti:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Rinda</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Vieta</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Vārds</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Faksa numurs</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Rezultāts</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Detaļas</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Sūtītājs</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Noraidītais %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Ievietots</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Mainīts</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Saīsināts</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Nav ievietots</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>vārds „%1“ kļuva par „%2“</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>vārds „%1“ saīsināts līdz %2 rakstzīmēm</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>numurs „%1“ kļuva par „%2“</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>numurs „%1“ saīsināts līdz %2 rakstzīmēm</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>printerī nav vietas %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>vieta norādīta divreiz</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>nav neviena numura, ko printeris pieņem</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>brīvu vietu vairs nav</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>nav neviena numura, ko printeris pieņem; vieta paliek tukša</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>dalībnieks %1 izlaists: printerī nav šādas vietas</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>dalībnieks %1 norādīts divreiz</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Kolonnu izvēle</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Faila %1 kolonnas netika atpazītas. Izvēlieties kolonnu, kurā ir katras kontaktpersonas vārds, un kolonnu, kurā ir faksa numurs.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Vārds:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faksa numurs:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>Labi</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
</context>
</TS>
