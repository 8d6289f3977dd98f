<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et_EE" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Sisestage faksinumber, mida selle kirje puhul valitakse.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Sisestage selle kirje nimi.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Sisestage rühma nimi.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Kirjed, mida saab rühma lisada.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Lisab valitud kirjed rühma.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Eemaldab valitud liikmed rühmast.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Kirjed, mis kuuluvad rühma.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Kirjuta</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;Sulge</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Loe</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Abi</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Faksikataloog</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>Salv&amp;esta...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>Laa&amp;di...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Teated</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Valige printer ja klõpsake nuppu Loe, et näha selle faksikataloogi.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Side printeriga ebaõnnestus. Kontrollige, kas printer on sisse lülitatud ja ühendatud, ning proovige seejärel uuesti.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Printer on hõivatud teise tööga. Oodake, kuni see on töö lõpetanud, ja proovige seejärel uuesti.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Printeri porti kasutab teine kasutaja. Proovige uuesti, kui see kasutaja on lõpetanud.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Selle toimingu lõpetamiseks pole piisavalt mälu. Sulgege muud programmid ja proovige uuesti.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Kataloogifaili ei saanud salvestada. Kontrollige, kas teil on kausta kirjutamisõigus ja kas ketas pole täis.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Toetatud printerimudelite loendit (orvkit.dat) ei saanud lugeda. Palun installige programm uuesti.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Faili ei saanud lugeda või see pole faksikataloogi fail.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Palun sisestage faksinumber. Nimega kirjel peab olema faksinumber.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Palun lisage vähemalt üks liige. Nimega rühmal peavad olema liikmed.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>See kataloogifail salvestati teise printerimudeli jaoks. Kas soovite selle siiski laadida?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Valisite teise printeri, kuid kuvatud kataloogis on muudatusi, mida pole printerisse kirjutatud. Kas soovite neist loobuda?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Printeri faksikataloogi on pärast selle lugemist muudetud. Kas soovite selle siin kuvatud kataloogiga üle kirjutada?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>See on veateate näide.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Valisite teise printeri. Kas soovite kuvatud kataloogi sulgeda?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Kataloogis on muudatusi, mida pole printerisse kirjutatud. Kas soovite neist loobuda?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Programm töötab juba teise kasutaja seansis. Korraga saab seda kasutada ainult üks kasutaja.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>See on teabeteate näide.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Toimingut ei saanud lõpule viia. Kontrollige, kas printer on toetatud mudel, kas see on sisse lülitatud ja ühendatud, ning proovige seejärel uuesti.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Seanssi ei saa lõpetada, kuni programm on hõivatud. Palun oodake, kuni see on lõpetanud, ja proovige seejärel uuesti.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Arvuti ei saa lülituda ooterežiimi, kuni programm suhtleb printeriga. Palun proovige uuesti, kui see on lõpetanud.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Faksikataloog kirjutati printerisse.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>et</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Loeb faksikataloogi valitud printerist.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Valige, millist kataloogi osa kuvada.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Salvestab kataloogi faili selles arvutis.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Laadib kataloogi failist selles arvutis.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Kirjutab kuvatud kataloogi printerisse.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Printeri kiirvalimise kirjed.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Saatja andmed, mis prinditakse teie saadetavatele faksidele.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Faksinumbrid, millelt saabuvaid fakse printer blokeerib.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Sisestage oma nimi nii, nagu see peaks ilmuma teie saadetavatele faksidele.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Sisestage oma faksinumber nii, nagu see peaks ilmuma teie saadetavatele faksidele.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Kinnitab saatja andmed.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Muudab valitud kirjet.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Valib kõik kirjed.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Kustutab valitud kirjed.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Loob ühe faksinumbriga kirje.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Loob mitmest kirjest koosneva rühma.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Valige printer, millega töötada.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Sisestage blokeeritav faksinumber.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Kinnitab selle rühma.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Jätkab valitud tüübiga.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Kinnitab selle kirje.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Kinnitab selle numbri.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Faksinumber</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Faksinumber</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Rühm]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Faksinumber</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Kiirvalimine</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Saatja andmed</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Blokeeritud numbrid</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Faks</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane faksikataloog</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Faksinumber</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Faksinumber</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Kiirvalimine: ühe puutega valimise ja kodeeritud valimise kirjed</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Kiirvalimine: kodeeritud valimise kirjed</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Ühe puutega valimise kirjed on nummerdatud 01, 02 jne.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Kodeeritud valimise kirjed on nummerdatud *00, *01 jne.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Saatja andmed: nimi ja faksinumber, mis prinditakse teie saadetavatele faksidele</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Blokeeritud numbrid: nendelt numbritelt saabuvaid fakse vastu ei võeta</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Keel...</translation>
    </message>
</context>
</TS>
