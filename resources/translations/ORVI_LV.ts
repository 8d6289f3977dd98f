<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Ievadiet faksa numuru, kas jāsastāda šim ierakstam.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Ievadiet šī ieraksta vārdu.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Ievadiet grupas nosaukumu.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Ieraksti, kurus var pievienot grupai.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Pievienot atlasītos ierakstus grupai.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Noņemt atlasītos dalībniekus no grupas.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Ieraksti, kas ietilpst grupā.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Rakstīt</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;Aizvērt</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Lasīt</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Palīdzība</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Faksa katalogs</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>&amp;Saglabāt...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>&amp;Ielādēt...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Printeris:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Ziņojumi</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Izvēlieties printeri un nospiediet Lasīt, lai skatītu tā faksa katalogu.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Neizdevās sazināties ar printeri. Pārbaudiet, vai printeris ir ieslēgts un pievienots, un mēģiniet vēlreiz.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Printeris ir aizņemts ar citu darbu. Uzgaidiet, līdz tas ir pabeigts, un mēģiniet vēlreiz.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Printera portu izmanto cits lietotājs. Mēģiniet vēlreiz, kad šis lietotājs būs beidzis darbu.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Nepietiek atmiņas, lai pabeigtu šo darbību. Aizveriet citas programmas un mēģiniet vēlreiz.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Kataloga failu nevarēja saglabāt. Pārbaudiet, vai jums ir atļauja rakstīt mapē un vai disks nav pilns.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Atbalstīto printeru modeļu sarakstu (orvkit.dat) nevarēja nolasīt. Lūdzu, instalējiet programmu vēlreiz.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Failu nevarēja nolasīt, vai arī tas nav faksa kataloga fails.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Lūdzu, ievadiet faksa numuru. Ierakstam ar vārdu ir nepieciešams faksa numurs.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Lūdzu, pievienojiet vismaz vienu dalībnieku. Grupai ar nosaukumu ir nepieciešami dalībnieki.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Šis kataloga fails tika saglabāts citam printera modelim. Vai tomēr vēlaties to ielādēt?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Jūs izvēlējāties citu printeri, bet parādītajā katalogā ir izmaiņas, kas nav ierakstītas printerī. Vai vēlaties tās atmest?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Faksa katalogs printerī tika mainīts pēc tam, kad jūs to nolasījāt. Vai vēlaties to pārrakstīt ar šeit parādīto katalogu?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Šis ir kļūdas ziņojuma piemērs.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Jūs izvēlējāties citu printeri. Vai vēlaties aizvērt parādīto katalogu?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Katalogā ir izmaiņas, kas nav ierakstītas printerī. Vai vēlaties tās atmest?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Programma jau darbojas cita lietotāja sesijā. Vienlaikus to var izmantot tikai viens lietotājs.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Šis ir informatīva ziņojuma piemērs.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Darbību nevarēja pabeigt. Pārbaudiet, vai printeris ir atbalstīts modelis, vai tas ir ieslēgts un pievienots, un mēģiniet vēlreiz.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Sesiju nevar beigt, kamēr programma ir aizņemta. Lūdzu, uzgaidiet, līdz tā beidz darbu, un mēģiniet vēlreiz.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Datoru nevar pārslēgt gaidstāves režīmā, kamēr programma sazinās ar printeri. Lūdzu, mēģiniet vēlreiz, kad tā būs beigusi darbu.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Faksa katalogs tika ierakstīts printerī.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>lv</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Nolasīt faksa katalogu no atlasītā printera.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Izvēlieties, kuru kataloga daļu rādīt.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Saglabāt katalogu failā šajā datorā.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Ielādēt katalogu no faila šajā datorā.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Ierakstīt parādīto katalogu printerī.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Printera ātrās zvanīšanas ieraksti.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Sūtītāja informācija, kas tiek drukāta uz jūsu sūtītajiem faksiem.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Faksa numuri, no kuriem printeris noraida faksus.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Ievadiet savu vārdu tā, kā tam jāparādās uz jūsu sūtītajiem faksiem.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Ievadiet savu faksa numuru tā, kā tam jāparādās uz jūsu sūtītajiem faksiem.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Apstiprināt sūtītāja informāciju.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Rediģēt atlasīto ierakstu.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Atlasīt visus ierakstus.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Dzēst atlasītos ierakstus.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Izveidot ierakstu ar vienu faksa numuru.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Izveidot grupu no vairākiem ierakstiem.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Izvēlieties printeri, ar kuru strādāt.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Ievadiet noraidāmo faksa numuru.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Apstiprināt šo grupu.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Turpināt ar izvēlēto veidu.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Apstiprināt šo ierakstu.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Apstiprināt šo numuru.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Vārds</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Faksa numurs</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Vārds</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Faksa numurs</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Grupa]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Faksa numurs</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Ātrā zvanīšana</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Sūtītāja informācija</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Noraidītie numuri</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fakss</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane faksa katalogs</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Vārds</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Faksa numurs</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Vārds</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Faksa numurs</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Ātrā zvanīšana: viena pieskāriena zvanīšanas un kodētās zvanīšanas ieraksti</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Ātrā zvanīšana: kodētās zvanīšanas ieraksti</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Viena pieskāriena zvanīšanas ieraksti ir numurēti 01, 02 utt.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Kodētās zvanīšanas ieraksti ir numurēti *00, *01 utt.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Sūtītāja informācija: vārds un faksa numurs, kas tiek drukāti uz jūsu sūtītajiem faksiem</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Noraidītie numuri: faksi no šiem numuriem netiek saņemti</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Valoda...</translation>
    </message>
</context>
</TS>
