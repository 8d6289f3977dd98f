<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Altri comandi per la rubrica visualizzata: importa un elenco di contatti, esporta la rubrica</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importa...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Elenchi di contatti e rubriche</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Elenco di contatti vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>Tabella CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>Rubrica JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Impossibile leggere il file %1.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Impossibile importare il file %1: non è un elenco di contatti né una rubrica che questo programma è in grado di leggere.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Impossibile salvare il file %1. Verificare di disporre dei permessi di scrittura sulla cartella e che il disco non sia pieno.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Importazione</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: %2 inserite, %3 modificate, %4 troncate, %5 non inserite.
OK le aggiunge alla rubrica visualizzata; nulla viene inviato alla stampante prima di aver premuto Scrivi.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Voci del file:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Posizione</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Numero di fax</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Mittente</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Numero rifiutato %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Inserita</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Modificata</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Troncata</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Non inserita</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>nome “%1” modificato in “%2”</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>nome “%1” troncato a %2 caratteri</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>numero “%1” modificato in “%2”</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>numero “%1” troncato a %2 caratteri</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>la stampante non ha la posizione %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>la posizione è indicata due volte</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>nessun numero accettato dalla stampante</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>non resta alcuna posizione libera</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>nessun numero accettato dalla stampante; la posizione resta vuota</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>membro %1 omesso: la stampante non ha questa posizione</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>il membro %1 è indicato due volte</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Scegli colonne</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Le colonne di %1 non sono state riconosciute. Scegliere la colonna che contiene il nome di ciascun contatto e quella che contiene il numero di fax.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>Numero di &amp;fax:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
