<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Daugiau</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Daugiau komandų rodomam katalogui: importuoti adresų knygą, eksportuoti katalogą</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importuoti...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Eksportuoti...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Adresų knygos ir katalogai</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard adresų knyga</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV lentelė</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON katalogas</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Failo %1 nepavyko perskaityti.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Failo %1 negalima importuoti: tai nėra adresų knyga ar katalogas, kurį ši programa gali perskaityti.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Failo %1 nepavyko išsaugoti. Patikrinkite, ar turite teisę rašyti į aplanką ir ar diskas nėra pilnas.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Importavimas</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: įdėta: %2, pakeista: %3, sutrumpinta: %4, neįdėta: %5.
Spustelėjus Gerai, jie bus perkelti į rodomą katalogą; į spausdintuvą niekas nepateks, kol nespustelėsite Rašyti.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Failo įrašai:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Eilutė</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Vieta</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Vardas</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Fakso numeris</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Rezultatas</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Išsami informacija</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Siuntėjas</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Atmetamas numeris %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Įdėta</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Pakeista</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Sutrumpinta</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Neįdėta</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>vardas „%1“ pakeistas į „%2“</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>vardas „%1“ sutrumpintas iki %2 simbolių</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>numeris „%1“ pakeistas į „%2“</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>numeris „%1“ sutrumpintas iki %2 simbolių</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>spausdintuvas neturi vietos %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>vieta nurodyta du kartus</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>nėra spausdintuvo priimamo numerio</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>nebeliko laisvų vietų</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>nėra spausdintuvo priimamo numerio; vieta paliekama tuščia</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>narys %1 praleistas: spausdintuvas tokios vietos neturi</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>narys %1 nurodytas du kartus</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Stulpelių pasirinkimas</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Failo %1 stulpeliai neatpažinti. Pasirinkite stulpelį, kuriame yra kiekvieno kontakto vardas, ir stulpelį, kuriame yra fakso numeris.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Vardas:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Fakso numeris:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
</TS>
