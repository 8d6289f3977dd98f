<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Další</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Další příkazy pro zobrazený adresář: import kontaktů, export adresáře</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importovat...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Exportovat...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Kontakty a adresáře</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Kontakty vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>Tabulka CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>Adresář JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Soubor %1 se nepodařilo načíst.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Soubor %1 nelze importovat: nejde o kontakty ani o adresář, které tento program dokáže načíst.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Soubor %1 se nepodařilo uložit. Zkontrolujte, zda máte oprávnění k zápisu do složky a zda není disk plný.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: umístěno %2, změněno %3, zkráceno %4, neumístěno %5.
Tlačítkem OK je převezmete do zobrazeného adresáře; do tiskárny se nic nezapíše, dokud nekliknete na Zapsat.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Záznamy ze souboru:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Řádek</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Pozice</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Faxové číslo</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Výsledek</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Podrobnosti</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Odesílatel</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Odmítnuté číslo %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Umístěno</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Změněno</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Zkráceno</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Neumístěno</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>jméno „%1“ změněno na „%2“</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>jméno „%1“ zkráceno na %2 znaků</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>číslo „%1“ změněno na „%2“</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>číslo „%1“ zkráceno na %2 znaků</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>tiskárna nemá pozici %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>pozice je uvedena dvakrát</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>chybí číslo, které tiskárna přijme</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>nezbývá žádná volná pozice</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>chybí číslo, které tiskárna přijme; pozice zůstane prázdná</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>člen %1 vynechán: tiskárna takovou pozici nemá</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>člen %1 je uveden dvakrát</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Výběr sloupců</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Sloupce souboru %1 nebyly rozpoznány. Vyberte sloupec, který obsahuje jméno každého kontaktu, a sloupec, který obsahuje faxové číslo.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Jméno:</translation>
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
        <translation>Zrušit</translation>
    </message>
</context>
</TS>
