<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Immettere il numero di fax da comporre per questa voce.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Immettere il nome di questa voce.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Immettere il nome del gruppo.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Voci che è possibile aggiungere al gruppo.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Aggiunge le voci selezionate al gruppo.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Rimuove dal gruppo i membri selezionati.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Voci che appartengono al gruppo.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Scrivi</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Leggi</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Rubrica fax</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>Sal&amp;va...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>C&amp;arica...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Stampante:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Messaggi</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Scegliere una stampante e premere Leggi per visualizzarne la rubrica fax.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Comunicazione con la stampante non riuscita. Verificare che la stampante sia accesa e collegata, quindi riprovare.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>La stampante è occupata con un altro lavoro. Attendere che abbia terminato, quindi riprovare.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>La porta della stampante è in uso da parte di un altro utente. Riprovare quando l’utente avrà terminato.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Memoria insufficiente per completare l’operazione. Chiudere gli altri programmi e riprovare.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Impossibile salvare il file della rubrica. Verificare di disporre dei permessi di scrittura sulla cartella e che il disco non sia pieno.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Impossibile leggere l’elenco dei modelli di stampante supportati (orvkit.dat). Reinstallare il programma.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Impossibile leggere il file, oppure non si tratta di un file di rubrica fax.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Immettere un numero di fax. Una voce con un nome richiede un numero di fax.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Aggiungere almeno un membro. Un gruppo con un nome richiede dei membri.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Questo file della rubrica è stato salvato per un altro modello di stampante. Caricarlo comunque?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>È stata scelta un’altra stampante, ma la rubrica visualizzata contiene modifiche non ancora scritte nella stampante. Annullare le modifiche?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>La rubrica fax nella stampante è stata modificata dopo la lettura. Sovrascriverla con la rubrica visualizzata?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Questo è un esempio di messaggio di errore.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>È stata scelta un’altra stampante. Chiudere la rubrica visualizzata?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>La rubrica contiene modifiche non ancora scritte nella stampante. Annullare le modifiche?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Il programma è già in esecuzione nella sessione di un altro utente. Può essere utilizzato da un solo utente alla volta.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Questo è un esempio di messaggio informativo.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Impossibile completare l’operazione. Verificare che la stampante sia un modello supportato e che sia accesa e collegata, quindi riprovare.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Impossibile terminare la sessione mentre il programma è occupato. Attendere che abbia terminato, quindi riprovare.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Il computer non può entrare in standby mentre il programma comunica con la stampante. Riprovare al termine della comunicazione.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>La rubrica fax è stata scritta nella stampante.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>it</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Legge la rubrica fax dalla stampante selezionata.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Scegliere la parte della rubrica da visualizzare.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Salva la rubrica in un file su questo computer.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Carica una rubrica da un file su questo computer.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Scrive la rubrica visualizzata nella stampante.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Le voci di selezione rapida della stampante.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>I dati del mittente stampati sui fax inviati.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Numeri di fax i cui fax vengono rifiutati dalla stampante.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Immettere il proprio nome come deve apparire sui fax inviati.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Immettere il proprio numero di fax come deve apparire sui fax inviati.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Conferma i dati del mittente.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Modifica la voce selezionata.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Seleziona tutte le voci.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Elimina le voci selezionate.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Crea una voce con un solo numero di fax.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Crea un gruppo di più voci.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Scegliere la stampante da utilizzare.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Immettere il numero di fax da rifiutare.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Conferma questo gruppo.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Prosegue con il tipo scelto.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Conferma questa voce.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Conferma questo numero.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Numero di fax</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Numero di fax</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Gruppo]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Numero di fax</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Selezione rapida</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Dati del mittente</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Numeri rifiutati</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Rubrica fax Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Numero di fax</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Numero di fax</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Selezione rapida: voci di selezione diretta e di selezione codificata</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Selezione rapida: voci di selezione codificata</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Le voci di selezione diretta sono numerate 01, 02 e così via.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Le voci di selezione codificata sono numerate *00, *01 e così via.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Dati del mittente: nome e numero di fax stampati sui fax inviati</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Numeri rifiutati: i fax provenienti da questi numeri non vengono ricevuti</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Lingua...</translation>
    </message>
</context>
</TS>
