<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Ďalšie</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Ďalšie príkazy pre zobrazený adresár: import kontaktov, export adresára</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importovať...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Exportovať...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Kontakty a adresáre</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Kontakty vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>Tabuľka CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>Adresár JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Súbor %1 sa nepodarilo načítať.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Súbor %1 nemožno importovať: nejde o kontakty ani o adresár, ktoré tento program dokáže načítať.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Súbor %1 sa nepodarilo uložiť. Skontrolujte, či máte povolenie na zápis do priečinka a či disk nie je plný.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: umiestnené %2, zmenené %3, skrátené %4, neumiestnené %5.
Tlačidlom OK ich prevezmete do zobrazeného adresára; do tlačiarne sa nič nezapíše, kým nekliknete na Zapísať.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Záznamy zo súboru:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Riadok</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Pozícia</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Meno</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Faxové číslo</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Výsledok</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Podrobnosti</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Odosielateľ</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Odmietnuté číslo %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Umiestnené</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Zmenené</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Skrátené</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Neumiestnené</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>meno „%1“ zmenené na „%2“</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>meno „%1“ skrátené na %2 znakov</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>číslo „%1“ zmenené na „%2“</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>číslo „%1“ skrátené na %2 znakov</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>tlačiareň nemá pozíciu %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>pozícia je uvedená dvakrát</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>chýba číslo, ktoré tlačiareň prijme</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>nezostala žiadna voľná pozícia</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>chýba číslo, ktoré tlačiareň prijme; pozícia zostane prázdna</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>člen %1 vynechaný: tlačiareň takú pozíciu nemá</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>člen %1 je uvedený dvakrát</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Výber stĺpcov</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Stĺpce súboru %1 neboli rozpoznané. Vyberte stĺpec, ktorý obsahuje meno každého kontaktu, a stĺpec, ktorý obsahuje faxové číslo.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Meno:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faxové číslo:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
</TS>
