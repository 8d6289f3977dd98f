<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Mai multe</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Mai multe comenzi pentru agenda afișată: importul unei agende de contacte, exportul agendei</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importare...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Exportare...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Agende de contacte și agende fax</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Agendă de contacte vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>Tabel CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>Agendă fax JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Fișierul %1 nu a putut fi citit.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Fișierul %1 nu poate fi importat: nu este o agendă de contacte sau o agendă fax pe care acest program o poate citi.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Fișierul %1 nu a putut fi salvat. Verificați dacă aveți drept de scriere în dosar și dacă discul nu este plin.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Importare</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: %2 plasate, %3 modificate, %4 trunchiate, %5 neplasate.
OK le preia în agenda afișată; nimic nu ajunge în imprimantă înainte să apăsați Scriere.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Intrările fișierului:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Poziție</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Număr de fax</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Rezultat</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Detalii</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Expeditor</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Număr respins %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Plasat</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Modificat</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Trunchiat</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Neplasat</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>numele „%1” a devenit „%2”</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>numele „%1” a fost trunchiat la %2 caractere</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>numărul „%1” a devenit „%2”</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>numărul „%1” a fost trunchiat la %2 caractere</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>imprimanta nu are poziția %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>poziția este indicată de două ori</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>niciun număr acceptat de imprimantă</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>nu a mai rămas nicio poziție liberă</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>niciun număr acceptat de imprimantă; poziția rămâne goală</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>membrul %1 a fost omis: imprimanta nu are această poziție</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>membrul %1 este indicat de două ori</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Alegere coloane</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Coloanele din %1 nu sunt recunoscute. Alegeți coloana care conține numele fiecărui contact și pe cea care conține numărul de fax.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Nume:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>Număr de &amp;fax:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
</TS>
