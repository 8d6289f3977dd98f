<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Vnesite številko faksa, ki naj se izbere za ta vnos.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Vnesite ime tega vnosa.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Vnesite ime skupine.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Vnosi, ki jih je mogoče dodati v skupino.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Dodaj izbrane vnose v skupino.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Odstrani izbrane člane iz skupine.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Vnosi, ki pripadajo skupini.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Zapiši</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>Z&amp;apri</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>Pre&amp;beri</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Pomoč</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Faksni imenik</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>&amp;Shrani...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>&amp;Naloži...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Tiskalnik:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>Sp&amp;oročila</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Izberite tiskalnik in kliknite Preberi, da se prikaže njegov faksni imenik.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Komunikacija s tiskalnikom ni uspela. Preverite, ali je tiskalnik vklopljen in povezan, nato poskusite znova.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Tiskalnik je zaseden z drugim opravilom. Počakajte, da ga dokonča, nato poskusite znova.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Vrata tiskalnika uporablja drug uporabnik. Poskusite znova, ko ta uporabnik konča.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Za dokončanje te operacije ni dovolj pomnilnika. Zaprite druge programe in poskusite znova.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Datoteke imenika ni bilo mogoče shraniti. Preverite, ali imate dovoljenje za pisanje v mapo in ali disk ni poln.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Seznama podprtih modelov tiskalnikov (orvkit.dat) ni bilo mogoče prebrati. Program namestite znova.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Datoteke ni bilo mogoče prebrati ali pa to ni datoteka faksnega imenika.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Vnesite številko faksa. Vnos z imenom mora imeti številko faksa.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Dodajte vsaj enega člana. Skupina z imenom mora imeti člane.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Ta datoteka imenika je bila shranjena za drug model tiskalnika. Ali jo želite kljub temu naložiti?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Izbrali ste drug tiskalnik, vendar prikazani imenik vsebuje spremembe, ki niso bile zapisane v tiskalnik. Ali jih želite zavreči?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Faksni imenik v tiskalniku se je spremenil, odkar ste ga prebrali. Ali ga želite prepisati s tukaj prikazanim imenikom?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>To je primer sporočila o napaki.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Izbrali ste drug tiskalnik. Ali želite zapreti prikazani imenik?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Imenik vsebuje spremembe, ki niso bile zapisane v tiskalnik. Ali jih želite zavreči?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Program se že izvaja v seji drugega uporabnika. Hkrati ga lahko uporablja le en uporabnik.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>To je primer informativnega sporočila.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Operacije ni bilo mogoče dokončati. Preverite, ali je tiskalnik podprt model ter ali je vklopljen in povezan, nato poskusite znova.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Seje ni mogoče končati, dokler je program zaseden. Počakajte, da konča, nato poskusite znova.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Računalnik ne more preiti v stanje pripravljenosti, dokler program komunicira s tiskalnikom. Poskusite znova, ko se komunikacija konča.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Faksni imenik je bil zapisan v tiskalnik.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>sl</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Preberi faksni imenik iz izbranega tiskalnika.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Izberite, kateri del imenika želite prikazati.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Shrani imenik v datoteko v tem računalniku.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Naloži imenik iz datoteke v tem računalniku.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Zapiši prikazani imenik v tiskalnik.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Vnosi za hitro izbiranje v tiskalniku.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Podatki o pošiljatelju, ki se natisnejo na poslane fakse.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Številke faksov, katerih fakse tiskalnik zavrne.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Vnesite svoje ime tako, kot naj bo prikazano na poslanih faksih.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Vnesite svojo številko faksa tako, kot naj bo prikazana na poslanih faksih.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Potrdi podatke o pošiljatelju.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Uredi izbrani vnos.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Izberi vse vnose.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Izbriši izbrane vnose.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Ustvari vnos z eno številko faksa.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Ustvari skupino iz več vnosov.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Izberite tiskalnik, s katerim želite delati.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Vnesite številko faksa, ki naj bo zavrnjena.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Potrdi to skupino.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Nadaljuj z izbrano vrsto.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Potrdi ta vnos.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Potrdi to številko.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Št.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Številka faksa</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Številka faksa</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Skupina]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Št.</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Številka faksa</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Hitro izbiranje</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Podatki o pošiljatelju</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Zavrnjene številke</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Faks</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Faksni imenik Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Št.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Številka faksa</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Št.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Številka faksa</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Hitro izbiranje: vnosi za izbiranje z enim dotikom in kodirano izbiranje</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Hitro izbiranje: vnosi za kodirano izbiranje</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Vnosi za izbiranje z enim dotikom so oštevilčeni 01, 02 itd.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Vnosi za kodirano izbiranje so oštevilčeni *00, *01 itd.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Podatki o pošiljatelju: ime in številka faksa, ki se natisneta na poslane fakse</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Zavrnjene številke: faksi s teh številk se ne sprejemajo</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Jezik...</translation>
    </message>
</context>
</TS>
