<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Adja meg a bejegyzéshez tárcsázandó faxszámot.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Adja meg a bejegyzés nevét.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Adja meg a csoport nevét.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>A csoporthoz hozzáadható bejegyzések.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>A kijelölt bejegyzések hozzáadása a csoporthoz.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>A kijelölt tagok eltávolítása a csoportból.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>A csoporthoz tartozó bejegyzések.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>Í&amp;rás</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;Bezárás</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Olvasás</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Faxcímjegyzék</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>&amp;Mentés...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>Betö&amp;ltés...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Nyomtató:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Üzenetek</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Válasszon nyomtatót, és kattintson az Olvasás gombra a faxcímjegyzék megjelenítéséhez.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Nem sikerült kommunikálni a nyomtatóval. Ellenőrizze, hogy a nyomtató be van-e kapcsolva és csatlakoztatva van-e, majd próbálkozzon újra.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>A nyomtató egy másik feladattal foglalt. Várja meg, amíg befejezi, majd próbálkozzon újra.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>A nyomtató portját egy másik felhasználó használja. Próbálkozzon újra, ha az a felhasználó befejezte a munkát.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Nincs elég memória a művelet végrehajtásához. Zárjon be más programokat, majd próbálkozzon újra.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>A címjegyzékfájlt nem sikerült menteni. Ellenőrizze, hogy van-e írási joga a mappához, és hogy nem telt-e meg a lemez.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>A támogatott nyomtatómodellek listája (orvkit.dat) nem olvasható. Kérjük, telepítse újra a programot.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>A fájl nem olvasható, vagy nem faxcímjegyzékfájl.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Kérjük, adjon meg egy faxszámot. A névvel rendelkező bejegyzéshez faxszám is szükséges.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Kérjük, adjon hozzá legalább egy tagot. A névvel rendelkező csoportnak tagokra is szüksége van.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Ezt a címjegyzékfájlt egy másik nyomtatómodellhez mentették. Mégis be szeretné tölteni?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Másik nyomtatót választott, de a megjelenített címjegyzékben olyan módosítások vannak, amelyeket nem írt a nyomtatóba. El szeretné vetni a módosításokat?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>A nyomtatóban lévő faxcímjegyzék megváltozott, mióta beolvasta. Felül szeretné írni az itt megjelenített címjegyzékkel?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Ez egy példa hibaüzenetre.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Másik nyomtatót választott. Be szeretné zárni a megjelenített címjegyzéket?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>A címjegyzékben olyan módosítások vannak, amelyeket nem írt a nyomtatóba. El szeretné vetni a módosításokat?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>A program már fut egy másik felhasználó munkamenetében. Egyszerre csak egy felhasználó használhatja.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Ez egy példa tájékoztató üzenetre.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>A műveletet nem sikerült végrehajtani. Ellenőrizze, hogy a nyomtató támogatott modell-e, be van-e kapcsolva és csatlakoztatva van-e, majd próbálkozzon újra.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>A munkamenet nem fejeződhet be, amíg a program dolgozik. Kérjük, várja meg, amíg befejezi, majd próbálkozzon újra.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>A számítógép nem léphet készenléti állapotba, amíg a program a nyomtatóval kommunikál. Kérjük, próbálkozzon újra, ha a program befejezte a műveletet.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>A faxcímjegyzék nyomtatóba írása megtörtént.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>hu</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>A faxcímjegyzék beolvasása a kiválasztott nyomtatóból.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Válassza ki, hogy a címjegyzék melyik része jelenjen meg.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>A címjegyzék mentése fájlba ezen a számítógépen.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Címjegyzék betöltése fájlból erről a számítógépről.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>A megjelenített címjegyzék írása a nyomtatóba.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>A nyomtató gyorstárcsázási bejegyzései.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>A feladó adatai, amelyek az elküldött faxokra kerülnek.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Faxszámok, amelyekről a nyomtató elutasítja a faxokat.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Adja meg a nevét úgy, ahogyan az elküldött faxokon meg kell jelennie.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Adja meg a faxszámát úgy, ahogyan az elküldött faxokon meg kell jelennie.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>A feladó adatainak megtartása.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>A kijelölt bejegyzés szerkesztése.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Az összes bejegyzés kijelölése.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>A kijelölt bejegyzések törlése.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Egyetlen faxszámot tartalmazó bejegyzés létrehozása.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Több bejegyzésből álló csoport létrehozása.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Válassza ki, melyik nyomtatóval szeretne dolgozni.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Adja meg az elutasítandó faxszámot.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>A csoport megtartása.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Folytatás a kiválasztott típussal.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>A bejegyzés megtartása.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>A szám megtartása.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Sz.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Faxszám</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Faxszám</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Csoport]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Sz.</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Faxszám</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Gyorstárcsázás</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Feladó adatai</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Elutasított számok</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane Faxcímjegyzék</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Sz.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Faxszám</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Sz.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Faxszám</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Gyorstárcsázás: egygombos és kódolt tárcsázási bejegyzések</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Gyorstárcsázás: kódolt tárcsázási bejegyzések</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Az egygombos tárcsázási bejegyzések számozása: 01, 02 stb.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>A kódolt tárcsázási bejegyzések számozása: *00, *01 stb.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Feladó adatai: az elküldött faxokra nyomtatott név és faxszám</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Elutasított számok: az ezekről a számokról érkező faxokat a nyomtató nem fogadja</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Nyelv...</translation>
    </message>
</context>
</TS>
