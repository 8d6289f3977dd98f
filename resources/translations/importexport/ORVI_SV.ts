<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Mer</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Fler kommandon för adressboken som visas: importera en kontaktlista, exportera adressboken</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importera...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Exportera...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Kontaktlistor och adressböcker</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard-kontaktlista</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV-tabell</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON-adressbok</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Filen %1 kunde inte läsas.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Filen %1 kan inte importeras: den är varken en kontaktlista eller en adressbok som det här programmet kan läsa.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Filen %1 kunde inte sparas. Kontrollera att du har skrivbehörighet till mappen och att disken inte är full.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: %2 placerade, %3 ändrade, %4 förkortade, %5 inte placerade.
OK för in dem i adressboken som visas; ingenting når skrivaren förrän du klickar på ”Skriv”.</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Rad</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Plats</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Namn</translation>
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
        <translation>Avsändare</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Avvisat %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Placerad</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Ändrad</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Förkortad</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Inte placerad</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>namnet ”%1” blev ”%2”</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>namnet ”%1” förkortades till %2 tecken</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>numret ”%1” blev ”%2”</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>numret ”%1” förkortades till %2 tecken</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>skrivaren har ingen plats %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>platsen anges två gånger</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>inget nummer som skrivaren godtar</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>det finns ingen ledig plats kvar</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>inget nummer som skrivaren godtar; platsen lämnas tom</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>medlem %1 utelämnad: skrivaren har ingen sådan plats</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>medlem %1 anges två gånger</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Välj kolumner</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Kolumnerna i %1 kändes inte igen. Välj den kolumn som innehåller varje kontakts namn och den som innehåller faxnumret.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Namn:</translation>
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
        <translation>Avbryt</translation>
    </message>
</context>
</TS>
