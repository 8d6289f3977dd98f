<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Mere</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Flere kommandoer til den viste adressebog: importér en kontaktliste, eksportér adressebogen</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importér...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Eksportér...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Kontaktlister og adressebøger</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard-kontaktliste</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV-tabel</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON-adressebog</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Filen %1 kunne ikke læses.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Filen %1 kan ikke importeres: Den er hverken en kontaktliste eller en adressebog, som dette program kan læse.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Filen %1 kunne ikke gemmes. Kontrollér, at du har skriveadgang til mappen, og at disken ikke er fuld.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: %2 placeret, %3 ændret, %4 afkortet, %5 ikke placeret.
OK overfører dem til den viste adressebog; intet sendes til printeren, før du klikker på »Skriv«.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Poster i filen:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Linje</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Plads</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Resultat</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Detaljer</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Afsender</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Afvist %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Placeret</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Ændret</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Afkortet</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Ikke placeret</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>navnet »%1« blev til »%2«</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>navnet »%1« blev afkortet til %2 tegn</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>nummeret »%1« blev til »%2«</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>nummeret »%1« blev afkortet til %2 tegn</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>printeren har ingen plads %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>pladsen er angivet to gange</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>intet nummer, som printeren accepterer</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>der er ingen ledig plads tilbage</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>intet nummer, som printeren accepterer; pladsen forbliver tom</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>medlem %1 udeladt: printeren har ingen sådan plads</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>medlem %1 er angivet to gange</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Vælg kolonner</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Kolonnerne i %1 blev ikke genkendt. Vælg den kolonne, der indeholder hver kontakts navn, og den, der indeholder faxnummeret.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Navn:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faxnummer:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
</TS>
