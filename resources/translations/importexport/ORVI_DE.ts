<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Weitere Befehle für das angezeigte Verzeichnis: ein Adressbuch importieren, das Verzeichnis exportieren</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Adressbücher und Verzeichnisse</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard-Adressbuch</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV-Tabelle</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON-Verzeichnis</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Die Datei %1 kann nicht importiert werden: Sie ist weder ein Adressbuch noch ein Verzeichnis, das dieses Programm lesen kann.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden. Prüfen Sie, ob Sie Schreibrechte für den Ordner haben und ob auf dem Datenträger genügend Speicherplatz frei ist.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: %2 platziert, %3 geändert, %4 gekürzt, %5 nicht platziert.
Mit „OK“ werden sie in das angezeigte Verzeichnis übernommen; an den Drucker wird erst etwas gesendet, wenn Sie auf „Schreiben“ klicken.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Einträge der Datei:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Platz</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Absender</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Abgewiesene Nummer %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Platziert</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Gekürzt</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Nicht platziert</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>Name „%1“ in „%2“ geändert</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>Name „%1“ auf %2 Zeichen gekürzt</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>Nummer „%1“ in „%2“ geändert</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>Nummer „%1“ auf %2 Zeichen gekürzt</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>der Drucker hat keinen Platz %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>der Platz ist doppelt angegeben</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>keine Nummer, die der Drucker annimmt</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>kein freier Platz mehr</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>keine Nummer, die der Drucker annimmt; der Platz bleibt leer</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>Mitglied %1 ausgelassen: Diesen Platz hat der Drucker nicht</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>Mitglied %1 ist doppelt angegeben</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Spalten auswählen</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Die Spalten von %1 wurden nicht erkannt. Wählen Sie die Spalte mit dem Namen jedes Kontakts und die Spalte mit der Faxnummer.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
