<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Skriv inn faksnummeret som skal ringes opp for denne oppføringen.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Skriv inn navnet på denne oppføringen.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Skriv inn navnet på gruppen.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Oppføringer som kan legges til i gruppen.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Legg de merkede oppføringene til i gruppen.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Fjern de merkede medlemmene fra gruppen.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Oppføringer som hører til gruppen.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Skriv</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>L&amp;ukk</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Les</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Faksadressebok</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>La&amp;gre...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>&amp;Åpne...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Skriver:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Meldinger</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Velg en skriver og klikk på «Les» for å se faksadresseboken til skriveren.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Kommunikasjonen med skriveren mislyktes. Kontroller at skriveren er slått på og tilkoblet, og prøv deretter på nytt.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Skriveren er opptatt med en annen jobb. Vent til den er ferdig, og prøv deretter på nytt.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Skriverens port brukes av en annen bruker. Prøv på nytt når denne brukeren er ferdig.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Det er ikke nok minne til å fullføre denne operasjonen. Lukk andre programmer, og prøv på nytt.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Adressebokfilen kunne ikke lagres. Kontroller at du har skrivetilgang til mappen, og at disken ikke er full.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Listen over støttede skrivermodeller (orvkit.dat) kunne ikke leses. Installer programmet på nytt.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Filen kunne ikke leses, eller den er ikke en faksadressebokfil.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Skriv inn et faksnummer. En oppføring med navn må ha et faksnummer.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Legg til minst ett medlem. En gruppe med navn må ha medlemmer.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Denne adressebokfilen ble lagret for en annen skrivermodell. Vil du åpne den likevel?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Du har valgt en annen skriver, men den viste adresseboken har endringer som ikke er skrevet til skriveren. Vil du forkaste endringene?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Faksadresseboken i skriveren er endret etter at du leste den. Vil du overskrive den med adresseboken som vises her?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Dette er et eksempel på en feilmelding.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Du har valgt en annen skriver. Vil du lukke adresseboken som vises?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Adresseboken har endringer som ikke er skrevet til skriveren. Vil du forkaste endringene?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Programmet kjører allerede i en annen brukers økt. Det kan bare brukes av én bruker om gangen.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Dette er et eksempel på en informasjonsmelding.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Operasjonen kunne ikke fullføres. Kontroller at skriveren er en støttet modell, og at den er slått på og tilkoblet, og prøv deretter på nytt.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Økten kan ikke avsluttes mens programmet er opptatt. Vent til det er ferdig, og prøv deretter på nytt.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Datamaskinen kan ikke gå i ventemodus mens programmet kommuniserer med skriveren. Prøv på nytt når det er ferdig.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Faksadresseboken ble skrevet til skriveren.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>no</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Les faksadresseboken fra den valgte skriveren.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Velg hvilken del av adresseboken som skal vises.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Lagre adresseboken i en fil på denne datamaskinen.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Åpne en adressebok fra en fil på denne datamaskinen.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Skriv den viste adresseboken til skriveren.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Skriverens oppføringer for hurtigoppringing.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Avsenderinformasjonen som skrives ut på faksene du sender.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Faksnumre som skriveren avviser fakser fra.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Skriv inn navnet ditt slik det skal vises på faksene du sender.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Skriv inn faksnummeret ditt slik det skal vises på faksene du sender.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Behold avsenderinformasjonen.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Rediger den merkede oppføringen.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Merk alle oppføringer.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Slett de merkede oppføringene.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Opprett en oppføring med ett faksnummer.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Opprett en gruppe av flere oppføringer.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Velg skriveren du vil arbeide med.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Skriv inn faksnummeret som skal avvises.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Behold denne gruppen.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Fortsett med den valgte typen.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Behold denne oppføringen.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Behold dette nummeret.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Faksnummer</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Faksnummer</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Gruppe]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Faksnummer</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Hurtigoppringing</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Avsenderinformasjon</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Avviste numre</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Faks</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane Faksadressebok</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Faksnummer</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Faksnummer</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Hurtigoppringing: oppføringer for ettrykksoppringing og kodet oppringing</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Hurtigoppringing: oppføringer for kodet oppringing</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Oppføringer for ettrykksoppringing nummereres 01, 02 osv.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Oppføringer for kodet oppringing nummereres *00, *01 osv.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Avsenderinformasjon: navnet og faksnummeret som skrives ut på faksene du sender</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Avviste numre: fakser fra disse numrene mottas ikke</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Språk...</translation>
    </message>
</context>
</TS>
