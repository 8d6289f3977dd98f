<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Ange faxnumret som ska slås för den här posten.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Ange namnet på den här posten.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Ange namnet på gruppen.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Poster som kan läggas till i gruppen.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Lägg till de markerade posterna i gruppen.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Ta bort de markerade medlemmarna från gruppen.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Poster som hör till gruppen.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>S&amp;kriv</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>S&amp;täng</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Läs</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Faxadressbok</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>&amp;Spara...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>&amp;Öppna...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Skrivare:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Meddelanden</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Välj en skrivare och klicka på ”Läs” för att visa dess faxadressbok.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Kommunikationen med skrivaren misslyckades. Kontrollera att skrivaren är påslagen och ansluten och försök sedan igen.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Skrivaren är upptagen med ett annat jobb. Vänta tills det är klart och försök sedan igen.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Skrivarens port används av en annan användare. Försök igen när den användaren är klar.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Det finns inte tillräckligt med minne för att slutföra åtgärden. Stäng andra program och försök igen.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Adressboksfilen kunde inte sparas. Kontrollera att du har skrivbehörighet till mappen och att disken inte är full.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Listan över skrivarmodeller som stöds (orvkit.dat) kunde inte läsas. Installera om programmet.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Filen kunde inte läsas, eller så är den inte en faxadressboksfil.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Ange ett faxnummer. En post med ett namn måste ha ett faxnummer.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Lägg till minst en medlem. En grupp med ett namn måste ha medlemmar.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Den här adressboksfilen sparades för en annan skrivarmodell. Vill du öppna den ändå?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Du har valt en annan skrivare, men den visade adressboken har ändringar som inte har skrivits till skrivaren. Vill du förkasta ändringarna?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Faxadressboken i skrivaren har ändrats sedan du läste den. Vill du skriva över den med adressboken som visas här?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Det här är ett exempel på ett felmeddelande.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Du har valt en annan skrivare. Vill du stänga adressboken som visas?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Adressboken har ändringar som inte har skrivits till skrivaren. Vill du förkasta ändringarna?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Programmet körs redan i en annan användares session. Det kan bara användas av en användare i taget.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Det här är ett exempel på ett informationsmeddelande.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Åtgärden kunde inte slutföras. Kontrollera att skrivaren är en modell som stöds och att den är påslagen och ansluten, och försök sedan igen.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Sessionen kan inte avslutas medan programmet är upptaget. Vänta tills det är klart och försök sedan igen.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Datorn kan inte gå till vänteläge medan programmet kommunicerar med skrivaren. Försök igen när det är klart.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Faxadressboken har skrivits till skrivaren.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>sv</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Läs faxadressboken från den valda skrivaren.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Välj vilken del av adressboken som ska visas.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Spara adressboken i en fil på den här datorn.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Öppna en adressbok från en fil på den här datorn.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Skriv den visade adressboken till skrivaren.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Skrivarens poster för snabbuppringning.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Avsändarinformationen som skrivs ut på faxen du skickar.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Faxnummer vars fax skrivaren avvisar.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Ange ditt namn så som det ska visas på faxen du skickar.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Ange ditt faxnummer så som det ska visas på faxen du skickar.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Behåll avsändarinformationen.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Redigera den markerade posten.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Markera alla poster.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Ta bort de markerade posterna.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Skapa en post med ett faxnummer.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Skapa en grupp av flera poster.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Välj den skrivare du vill arbeta med.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Ange faxnumret som ska avvisas.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Behåll den här gruppen.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Fortsätt med den valda typen.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Behåll den här posten.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Behåll det här numret.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Grupp]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Snabbuppringning</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Avsändarinformation</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Avvisade nummer</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane Faxadressbok</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Snabbuppringning: poster för snabbval och kortnummer</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Snabbuppringning: poster för kortnummer</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Poster för snabbval numreras 01, 02 osv.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Poster för kortnummer numreras *00, *01 osv.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Avsändarinformation: namnet och faxnumret som skrivs ut på faxen du skickar</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Avvisade nummer: fax från dessa nummer tas inte emot</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Språk...</translation>
    </message>
</context>
</TS>
