<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Meer</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Meer opdrachten voor het weergegeven adresboek: een contactenlijst importeren, het adresboek exporteren</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importeren...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Exporteren...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Contactenlijsten en adresboeken</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard-contactenlijst</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV-tabel</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON-adresboek</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Het bestand %1 kon niet worden gelezen.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Het bestand %1 kan niet worden geïmporteerd: het is geen contactenlijst of adresboek dat dit programma kan lezen.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Het bestand %1 kon niet worden opgeslagen. Controleer of u schrijfrechten hebt voor de map en of de schijf niet vol is.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: %2 geplaatst, %3 gewijzigd, %4 ingekort, %5 niet geplaatst.
Met OK worden ze in het weergegeven adresboek opgenomen; er gaat niets naar de printer voordat u op “Schrijven” klikt.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Vermeldingen in het bestand:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Regel</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Plaats</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Afzender</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Geweigerd nummer %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Geplaatst</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Gewijzigd</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Ingekort</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Niet geplaatst</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>naam “%1” gewijzigd in “%2”</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>naam “%1” ingekort tot %2 tekens</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>nummer “%1” gewijzigd in “%2”</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>nummer “%1” ingekort tot %2 tekens</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>de printer heeft geen plaats %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>de plaats komt twee keer voor</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>geen nummer dat de printer accepteert</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>er is geen vrije plaats meer</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>geen nummer dat de printer accepteert; de plaats blijft leeg</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>lid %1 weggelaten: de printer heeft deze plaats niet</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>lid %1 komt twee keer voor</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Kolommen kiezen</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>De kolommen van %1 worden niet herkend. Kies de kolom met de naam van elk contact en de kolom met het faxnummer.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
</TS>
