<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Voer het faxnummer in dat voor deze vermelding wordt gekozen.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Voer de naam van deze vermelding in.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Voer de naam van de groep in.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Vermeldingen die aan de groep kunnen worden toegevoegd.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>De geselecteerde vermeldingen aan de groep toevoegen.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>De geselecteerde leden uit de groep verwijderen.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Vermeldingen die tot de groep behoren.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Schrijven</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>Sl&amp;uiten</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Faxadresboek</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>&amp;Opslaan...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>La&amp;den...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Meldingen</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Kies een printer en klik op “Lezen” om het faxadresboek ervan weer te geven.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>De communicatie met de printer is mislukt. Controleer of de printer is ingeschakeld en aangesloten en probeer het opnieuw.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>De printer is bezig met een andere taak. Wacht tot deze klaar is en probeer het opnieuw.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>De poort van de printer wordt door een andere gebruiker gebruikt. Probeer het opnieuw wanneer die gebruiker klaar is.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Er is onvoldoende geheugen om deze bewerking te voltooien. Sluit andere programma’s en probeer het opnieuw.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Het adresboekbestand kon niet worden opgeslagen. Controleer of u schrijfrechten hebt voor de map en of de schijf niet vol is.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>De lijst met ondersteunde printermodellen (orvkit.dat) kon niet worden gelezen. Installeer het programma opnieuw.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Het bestand kon niet worden gelezen of het is geen faxadresboekbestand.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Voer een faxnummer in. Een vermelding met een naam heeft een faxnummer nodig.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Voeg ten minste één lid toe. Een groep met een naam heeft leden nodig.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Dit adresboekbestand is opgeslagen voor een ander printermodel. Wilt u het toch laden?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>U hebt een andere printer gekozen, maar het weergegeven adresboek bevat wijzigingen die niet naar de printer zijn geschreven. Wilt u deze wijzigingen verwerpen?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Het faxadresboek in de printer is gewijzigd nadat u het hebt gelezen. Wilt u het overschrijven met het hier weergegeven adresboek?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Dit is een voorbeeld van een foutmelding.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>U hebt een andere printer gekozen. Wilt u het weergegeven adresboek sluiten?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Het adresboek bevat wijzigingen die niet naar de printer zijn geschreven. Wilt u deze wijzigingen verwerpen?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Het programma wordt al uitgevoerd in de sessie van een andere gebruiker. Het kan maar door één gebruiker tegelijk worden gebruikt.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Dit is een voorbeeld van een informatiemelding.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>De bewerking kon niet worden voltooid. Controleer of de printer een ondersteund model is en of deze is ingeschakeld en aangesloten, en probeer het opnieuw.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>De sessie kan niet worden beëindigd terwijl het programma bezig is. Wacht tot het programma klaar is en probeer het opnieuw.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>De computer kan niet naar de stand-bymodus gaan terwijl het programma met de printer communiceert. Probeer het opnieuw wanneer het programma klaar is.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Het faxadresboek is naar de printer geschreven.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>nl</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Het faxadresboek uit de geselecteerde printer lezen.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Kies welk deel van het adresboek wordt weergegeven.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Het adresboek opslaan in een bestand op deze computer.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Een adresboek laden uit een bestand op deze computer.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Het weergegeven adresboek naar de printer schrijven.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>De snelkiesvermeldingen van de printer.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>De afzendergegevens die worden afgedrukt op de faxen die u verzendt.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Faxnummers waarvan de printer de faxen weigert.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Voer uw naam in zoals deze moet verschijnen op de faxen die u verzendt.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Voer uw faxnummer in zoals het moet verschijnen op de faxen die u verzendt.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>De afzendergegevens behouden.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>De geselecteerde vermelding bewerken.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Alle vermeldingen selecteren.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>De geselecteerde vermeldingen wissen.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Een vermelding met één faxnummer maken.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Een groep van meerdere vermeldingen maken.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Kies de printer waarmee u wilt werken.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Voer het faxnummer in dat moet worden geweigerd.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Deze groep behouden.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Doorgaan met het gekozen type.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Deze vermelding behouden.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Dit nummer behouden.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Groep]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Snelkiezen</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Afzendergegevens</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Geweigerde nummers</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane Faxadresboek</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Snelkiezen: vermeldingen voor sneltoetsen en codekiezen</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Snelkiezen: vermeldingen voor codekiezen</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Vermeldingen voor sneltoetsen zijn genummerd 01, 02 enzovoort.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Vermeldingen voor codekiezen zijn genummerd *00, *01 enzovoort.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Afzendergegevens: de naam en het faxnummer die worden afgedrukt op de faxen die u verzendt</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Geweigerde nummers: faxen van deze nummers worden niet ontvangen</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Taal...</translation>
    </message>
</context>
</TS>
