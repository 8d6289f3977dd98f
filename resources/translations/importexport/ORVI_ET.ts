<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et_EE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Veel</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Veel käske kuvatud kataloogi jaoks: aadressiraamatu importimine, kataloogi eksportimine</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Impordi...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Ekspordi...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Aadressiraamatud ja kataloogid</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard-aadressiraamat</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV-tabel</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON-kataloog</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Faili %1 ei saanud lugeda.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Faili %1 ei saa importida: see pole aadressiraamat ega kataloog, mida see programm loeb.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Faili %1 ei saanud salvestada. Kontrollige, kas teil on kausta kirjutamisõigus ja kas ketas pole täis.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: paigutatud %2, muudetud %3, lühendatud %4, paigutamata %5.
OK lisab need kuvatud kataloogi; printerisse ei jõua midagi enne, kui klõpsate nuppu Kirjuta.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>Faili &amp;kirjed:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Rida</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Koht</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Faksinumber</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Tulemus</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Üksikasjad</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Saatja</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Blokeeritud %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Paigutatud</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Muudetud</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Lühendatud</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Paigutamata</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>nimi „%1“ muutus kujule „%2“</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>nimi „%1“ lühendati %2 märgini</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>number „%1“ muutus kujule „%2“</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>number „%1“ lühendati %2 märgini</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>printeril pole kohta %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>koht on märgitud kaks korda</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>pole ühtegi numbrit, mida printer aktsepteerib</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>vabu kohti pole enam</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>pole ühtegi numbrit, mida printer aktsepteerib; koht jäetakse tühjaks</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>liige %1 jäeti välja: printeril pole sellist kohta</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>liige %1 on märgitud kaks korda</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Veergude valimine</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Faili %1 veerge ei tuvastatud. Valige veerg, milles on iga kontakti nimi, ja veerg, milles on faksinumber.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Nimi:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faksinumber:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
</context>
</TS>
