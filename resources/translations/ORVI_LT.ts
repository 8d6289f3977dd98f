<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Įveskite fakso numerį, kuris bus renkamas šiam įrašui.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Įveskite šio įrašo vardą.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Įveskite grupės pavadinimą.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Įrašai, kuriuos galima pridėti į grupę.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Pridėti pažymėtus įrašus į grupę.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Šalinti pažymėtus narius iš grupės.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Įrašai, priklausantys grupei.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Rašyti</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;Uždaryti</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Skaityti</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Žinynas</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Fakso katalogas</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>&amp;Išsaugoti...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>Į&amp;kelti...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Spausdintuvas:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Pranešimai</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Pasirinkite spausdintuvą ir spustelėkite Skaityti, kad pamatytumėte jo fakso katalogą.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Nepavyko užmegzti ryšio su spausdintuvu. Patikrinkite, ar spausdintuvas įjungtas ir prijungtas, ir bandykite dar kartą.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Spausdintuvas užimtas kita užduotimi. Palaukite, kol ji bus baigta, ir bandykite dar kartą.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Spausdintuvo prievadą naudoja kitas naudotojas. Bandykite dar kartą, kai tas naudotojas baigs darbą.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Šiai operacijai atlikti nepakanka atminties. Uždarykite kitas programas ir bandykite dar kartą.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Katalogo failo nepavyko išsaugoti. Patikrinkite, ar turite teisę rašyti į aplanką ir ar diskas nėra pilnas.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Nepavyko perskaityti palaikomų spausdintuvų modelių sąrašo (orvkit.dat). Iš naujo įdiekite programą.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Failo nepavyko perskaityti arba tai nėra fakso katalogo failas.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Įveskite fakso numerį. Įrašui su vardu būtinas fakso numeris.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Pridėkite bent vieną narį. Grupei su pavadinimu būtini nariai.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Šis katalogo failas buvo išsaugotas kitam spausdintuvo modeliui. Ar vis tiek norite jį įkelti?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Pasirinkote kitą spausdintuvą, tačiau rodomame kataloge yra pakeitimų, kurie neįrašyti į spausdintuvą. Ar norite jų atsisakyti?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Fakso katalogas spausdintuve buvo pakeistas po to, kai jį perskaitėte. Ar norite jį perrašyti čia rodomu katalogu?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Tai klaidos pranešimo pavyzdys.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Pasirinkote kitą spausdintuvą. Ar norite uždaryti rodomą katalogą?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Kataloge yra pakeitimų, kurie neįrašyti į spausdintuvą. Ar norite jų atsisakyti?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Programa jau veikia kito naudotojo seanse. Vienu metu ja gali naudotis tik vienas naudotojas.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Tai informacinio pranešimo pavyzdys.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Operacijos nepavyko atlikti. Patikrinkite, ar spausdintuvas yra palaikomas modelis, ar jis įjungtas ir prijungtas, ir bandykite dar kartą.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Seanso negalima baigti, kol programa užimta. Palaukite, kol ji baigs darbą, ir bandykite dar kartą.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Kompiuteris negali pereiti į budėjimo režimą, kol programa palaiko ryšį su spausdintuvu. Bandykite dar kartą, kai ji baigs darbą.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Fakso katalogas įrašytas į spausdintuvą.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>lt</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Skaityti fakso katalogą iš pasirinkto spausdintuvo.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Pasirinkite, kurią katalogo dalį rodyti.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Išsaugoti katalogą į failą šiame kompiuteryje.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Įkelti katalogą iš failo šiame kompiuteryje.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Įrašyti rodomą katalogą į spausdintuvą.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Spausdintuvo greitojo rinkimo įrašai.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Siuntėjo informacija, spausdinama jūsų siunčiamuose faksuose.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Fakso numeriai, iš kurių siunčiamus faksus spausdintuvas atmeta.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Įveskite savo vardą taip, kaip jis turi būti rodomas jūsų siunčiamuose faksuose.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Įveskite savo fakso numerį taip, kaip jis turi būti rodomas jūsų siunčiamuose faksuose.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Patvirtinti siuntėjo informaciją.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Redaguoti pažymėtą įrašą.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Pažymėti visus įrašus.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Naikinti pažymėtus įrašus.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Sukurti įrašą su vienu fakso numeriu.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Sukurti kelių įrašų grupę.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Pasirinkite spausdintuvą, su kuriuo dirbsite.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Įveskite atmetamą fakso numerį.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Patvirtinti šią grupę.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Tęsti naudojant pasirinktą tipą.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Patvirtinti šį įrašą.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Patvirtinti šį numerį.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Vardas</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Fakso numeris</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Vardas</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Fakso numeris</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Grupė]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Fakso numeris</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Greitasis rinkimas</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Siuntėjo informacija</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Atmetami numeriai</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Faksas</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane fakso katalogas</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Vardas</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Fakso numeris</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Vardas</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Fakso numeris</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Greitasis rinkimas: vieno paspaudimo rinkimo ir koduotojo rinkimo įrašai</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Greitasis rinkimas: koduotojo rinkimo įrašai</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Vieno paspaudimo rinkimo įrašai numeruojami 01, 02 ir t. t.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Koduotojo rinkimo įrašai numeruojami *00, *01 ir t. t.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Siuntėjo informacija: vardas ir fakso numeris, spausdinami jūsų siunčiamuose faksuose</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Atmetami numeriai: faksai iš šių numerių nepriimami</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Kalba...</translation>
    </message>
</context>
</TS>
