<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Indtast det faxnummer, der skal ringes op til for denne post.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Indtast navnet på denne post.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Indtast navnet på gruppen.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Poster, der kan føjes til gruppen.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Føj de markerede poster til gruppen.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Fjern de markerede medlemmer fra gruppen.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Poster, der hører til gruppen.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Skriv</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>L&amp;uk</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Læs</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Faxadressebog</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>&amp;Gem...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>&amp;Åbn...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Meddelelser</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Vælg en printer, og klik på »Læs« for at se dens faxadressebog.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Kommunikationen med printeren mislykkedes. Kontrollér, at printeren er tændt og tilsluttet, og prøv derefter igen.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Printeren er optaget af et andet job. Vent, til det er færdigt, og prøv derefter igen.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Printerens port bruges af en anden bruger. Prøv igen, når denne bruger er færdig.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Der er ikke nok hukommelse til at fuldføre handlingen. Luk andre programmer, og prøv igen.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Adressebogsfilen kunne ikke gemmes. Kontrollér, at du har skriveadgang til mappen, og at disken ikke er fuld.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Listen over understøttede printermodeller (orvkit.dat) kunne ikke læses. Installer programmet igen.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Filen kunne ikke læses, eller også er den ikke en faxadressebogsfil.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Indtast et faxnummer. En post med et navn skal have et faxnummer.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Tilføj mindst ét medlem. En gruppe med et navn skal have medlemmer.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Denne adressebogsfil blev gemt til en anden printermodel. Vil du åbne den alligevel?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Du har valgt en anden printer, men den viste adressebog har ændringer, som ikke er skrevet til printeren. Vil du kassere ændringerne?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Faxadressebogen i printeren er blevet ændret, efter at du læste den. Vil du overskrive den med den adressebog, der vises her?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Dette er et eksempel på en fejlmeddelelse.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Du har valgt en anden printer. Vil du lukke den viste adressebog?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Adressebogen har ændringer, som ikke er skrevet til printeren. Vil du kassere ændringerne?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Programmet kører allerede i en anden brugers session. Det kan kun bruges af én bruger ad gangen.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Dette er et eksempel på en informationsmeddelelse.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Handlingen kunne ikke fuldføres. Kontrollér, at printeren er en understøttet model, og at den er tændt og tilsluttet, og prøv derefter igen.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Sessionen kan ikke afsluttes, mens programmet er optaget. Vent, til det er færdigt, og prøv derefter igen.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Computeren kan ikke gå i standby, mens programmet kommunikerer med printeren. Prøv igen, når det er færdigt.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Faxadressebogen blev skrevet til printeren.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>da</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Læs faxadressebogen fra den valgte printer.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Vælg, hvilken del af adressebogen der skal vises.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Gem adressebogen i en fil på denne computer.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Åbn en adressebog fra en fil på denne computer.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Skriv den viste adressebog til printeren.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Printerens hurtigopkaldsposter.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>De afsenderoplysninger, der udskrives på de faxer, du sender.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Faxnumre, hvis faxer printeren afviser.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Indtast dit navn, som det skal vises på de faxer, du sender.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Indtast dit faxnummer, som det skal vises på de faxer, du sender.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Behold afsenderoplysningerne.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Rediger den markerede post.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Markér alle poster.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Slet de markerede poster.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Opret en post med ét faxnummer.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Opret en gruppe af flere poster.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Vælg den printer, du vil arbejde med.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Indtast det faxnummer, der skal afvises.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Behold denne gruppe.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Fortsæt med den valgte type.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Behold denne post.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Behold dette nummer.</translation>
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
        <translation>Faxnummer</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Faxnummer</translation>
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
        <translation>Faxnummer</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Hurtigopkald</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Afsenderoplysninger</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Afviste numre</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane Faxadressebog</translation>
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
        <translation>Faxnummer</translation>
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
        <translation>Faxnummer</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Hurtigopkald: poster til enkelttryk og kodet opkald</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Hurtigopkald: poster til kodet opkald</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Poster til enkelttryk nummereres 01, 02 osv.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Poster til kodet opkald nummereres *00, *01 osv.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Afsenderoplysninger: det navn og faxnummer, der udskrives på de faxer, du sender</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Afviste numre: faxer fra disse numre modtages ikke</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Sprog...</translation>
    </message>
</context>
</TS>
