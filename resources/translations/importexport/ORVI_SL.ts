<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Več</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Več ukazov za prikazani imenik: uvoz adresarja, izvoz imenika</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Uvozi...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Izvozi...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Adresarji in imeniki</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Adresar vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>Tabela CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>Imenik JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Datoteke %1 ni bilo mogoče prebrati.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Datoteke %1 ni mogoče uvoziti: to ni adresar ali imenik, ki bi ga ta program znal prebrati.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Datoteke %1 ni bilo mogoče shraniti. Preverite, ali imate dovoljenje za pisanje v mapo in ali disk ni poln.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Uvoz</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: umeščeno: %2, spremenjeno: %3, skrajšano: %4, neumeščeno: %5.
Z gumbom V redu jih prevzamete v prikazani imenik; v tiskalnik se ne zapiše nič, dokler ne kliknete Zapiši.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Vnosi iz datoteke:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Vrstica</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Mesto</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Številka faksa</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Rezultat</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Podrobnosti</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Pošiljatelj</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Zavrnjena številka %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Umeščeno</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Spremenjeno</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Skrajšano</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Neumeščeno</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>ime „%1“ spremenjeno v „%2“</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>ime „%1“ skrajšano na %2 znakov</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>številka „%1“ spremenjena v „%2“</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>številka „%1“ skrajšana na %2 znakov</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>tiskalnik nima mesta %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>mesto je navedeno dvakrat</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>ni številke, ki bi jo tiskalnik sprejel</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>ni več prostega mesta</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>ni številke, ki bi jo tiskalnik sprejel; mesto ostane prazno</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>član %1 je izpuščen: tiskalnik nima takega mesta</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>član %1 je naveden dvakrat</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Izbira stolpcev</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Stolpci datoteke %1 niso prepoznani. Izberite stolpec, ki vsebuje ime posameznega stika, in stolpec, ki vsebuje številko faksa.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Ime:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>Številka &amp;faksa:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
</TS>
