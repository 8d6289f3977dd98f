<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Mer</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Flere kommandoer for adresseboken som vises: importer en kontaktliste, eksporter adresseboken</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Eksporter...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Kontaktlister og adressebøker</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard-kontaktliste</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV-tabell</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON-adressebok</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Filen %1 kunne ikke leses.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Filen %1 kan ikke importeres: Den er verken en kontaktliste eller en adressebok som dette programmet kan lese.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Filen %1 kunne ikke lagres. Kontroller at du har skrivetilgang til mappen, og at disken ikke er full.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: %2 plassert, %3 endret, %4 forkortet, %5 ikke plassert.
OK tar dem inn i adresseboken som vises; ingenting sendes til skriveren før du klikker på «Skriv».</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Oppføringer i filen:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Linje</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Plass</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Faksnummer</translation>
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
        <translation>Avsender</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Avvist %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Plassert</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Endret</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Forkortet</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Ikke plassert</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>navnet «%1» ble til «%2»</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>navnet «%1» ble forkortet til %2 tegn</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>nummeret «%1» ble til «%2»</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>nummeret «%1» ble forkortet til %2 tegn</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>skriveren har ingen plass %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>plassen er oppgitt to ganger</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>ingen numre som skriveren godtar</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>det er ingen ledige plasser igjen</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>ingen numre som skriveren godtar; plassen blir stående tom</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>medlem %1 utelatt: skriveren har ingen slik plass</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>medlem %1 er oppgitt to ganger</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Velg kolonner</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Kolonnene i %1 ble ikke gjenkjent. Velg kolonnen som inneholder navnet på hver kontakt, og kolonnen som inneholder faksnummeret.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Navn:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faksnummer:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
</TS>
