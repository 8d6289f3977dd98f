<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Въведете номера на факс, който да се набира за този запис.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Въведете името на този запис.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Въведете името на групата.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Записи, които могат да бъдат добавени към групата.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Добавяне на избраните записи към групата.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Премахване на избраните членове от групата.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Записи, които принадлежат към групата.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Запиши</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>За&amp;твори</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>Про&amp;чети</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Помощ</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Факс указател</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>З&amp;апази...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>Заре&amp;ди...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Принтер:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Съобщения</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Изберете принтер и натиснете „Прочети“, за да видите неговия факс указател.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Комуникацията с принтера е неуспешна. Проверете дали принтерът е включен и свързан, след което опитайте отново.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Принтерът е зает с друго задание. Изчакайте да приключи, след което опитайте отново.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Портът на принтера се използва от друг потребител. Опитайте отново, когато този потребител приключи.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Няма достатъчно памет за извършване на тази операция. Затворете другите програми и опитайте отново.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Файлът с указател не можа да бъде запазен. Проверете дали имате права за запис в папката и дали дискът не е пълен.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Списъкът с поддържаните модели принтери (orvkit.dat) не можа да бъде прочетен. Моля, инсталирайте програмата отново.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Файлът не можа да бъде прочетен или не е файл с факс указател.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Моля, въведете номер на факс. Запис с име трябва да има номер на факс.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Моля, добавете поне един член. Група с име трябва да има членове.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Този файл с указател е запазен за друг модел принтер. Искате ли все пак да го заредите?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Избрахте друг принтер, но показаният указател съдържа промени, които не са записани в принтера. Искате ли да ги отхвърлите?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Факс указателят в принтера е бил променен, след като сте го прочели. Искате ли да го презапишете с показания тук указател?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Това е пример за съобщение за грешка.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Избрахте друг принтер. Искате ли да затворите показания указател?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Указателят съдържа промени, които не са записани в принтера. Искате ли да ги отхвърлите?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Програмата вече работи в сесията на друг потребител. Само един потребител може да я използва в даден момент.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Това е пример за информационно съобщение.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Операцията не можа да бъде завършена. Проверете дали принтерът е поддържан модел, дали е включен и свързан, след което опитайте отново.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Сесията не може да бъде прекратена, докато програмата е заета. Моля, изчакайте да приключи, след което опитайте отново.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Компютърът не може да премине в режим на готовност, докато програмата комуникира с принтера. Моля, опитайте отново, когато комуникацията приключи.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Факс указателят е записан в принтера.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>bg</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Прочитане на факс указателя от избрания принтер.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Изберете коя част от указателя да се показва.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Запазване на указателя във файл на този компютър.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Зареждане на указател от файл на този компютър.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Записване на показания указател в принтера.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Записите за бързо набиране в принтера.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Данните за подателя, които се отпечатват върху изпратените от вас факсове.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Номера на факс, чиито факсове принтерът отхвърля.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Въведете името си така, както трябва да се показва върху изпратените от вас факсове.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Въведете своя номер на факс така, както трябва да се показва върху изпратените от вас факсове.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Приемане на данните за подателя.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Редактиране на избрания запис.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Избор на всички записи.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Изтриване на избраните записи.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Създаване на запис с един номер на факс.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Създаване на група от няколко записа.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Изберете принтера, с който да работите.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Въведете номера на факс, който да бъде отхвърлян.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Приемане на тази група.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Продължаване с избрания тип.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Приемане на този запис.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Приемане на този номер.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Име</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Номер на факс</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Име</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Номер на факс</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Група]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Номер на факс</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Бързо набиране</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Данни за подателя</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Отхвърлени номера</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Факс</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane Факс указател</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Име</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Номер на факс</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Име</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Номер на факс</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Бързо набиране: записи за набиране с един бутон и за кодирано набиране</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Бързо набиране: записи за кодирано набиране</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Записите за набиране с един бутон са номерирани 01, 02 и т.н.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Записите за кодирано набиране са номерирани *00, *01 и т.н.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Данни за подателя: името и номерът на факс, които се отпечатват върху изпратените от вас факсове</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Отхвърлени номера: факсовете от тези номера не се приемат</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Език...</translation>
    </message>
</context>
</TS>
