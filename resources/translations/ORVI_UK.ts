<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Введіть номер факсу, який набиратиметься для цього запису.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Введіть ім’я цього запису.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Введіть ім’я групи.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Записи, які можна додати до групи.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Додати вибрані записи до групи.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Прибрати вибраних учасників із групи.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Записи, що входять до групи.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Записати</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>За&amp;крити</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>З&amp;читати</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Факсовий довідник</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>З&amp;берегти...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>Зава&amp;нтажити...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Принтер:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Повідомлення</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Виберіть принтер і натисніть «Зчитати», щоб переглянути його факсовий довідник.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Не вдалося зв’язатися з принтером. Перевірте, чи принтер увімкнено й підключено, і спробуйте ще раз.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Принтер виконує інше завдання. Дочекайтеся його завершення і спробуйте ще раз.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Порт принтера використовується іншим користувачем. Спробуйте ще раз, коли цей користувач завершить роботу.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Недостатньо пам’яті для виконання цієї операції. Закрийте інші програми і спробуйте ще раз.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Не вдалося зберегти файл довідника. Перевірте, чи маєте ви право на запис у цю папку і чи не заповнений диск.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Не вдалося прочитати список підтримуваних моделей принтерів (orvkit.dat). Установіть програму ще раз.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Не вдалося прочитати файл, або він не є файлом факсового довідника.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Введіть номер факсу. Запис з ім’ям повинен мати номер факсу.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Додайте принаймні одного учасника. Група з ім’ям повинна мати учасників.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Цей файл довідника було збережено для іншої моделі принтера. Усе одно завантажити його?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Ви вибрали інший принтер, але показаний довідник містить зміни, які не було записано в принтер. Скасувати ці зміни?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Факсовий довідник у принтері було змінено після того, як ви його зчитали. Перезаписати його довідником, показаним тут?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Це приклад повідомлення про помилку.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Ви вибрали інший принтер. Закрити показаний довідник?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Довідник містить зміни, які не було записано в принтер. Скасувати ці зміни?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Програму вже запущено в сеансі іншого користувача. Одночасно з нею може працювати лише один користувач.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Це приклад інформаційного повідомлення.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Не вдалося виконати операцію. Перевірте, чи модель принтера підтримується, чи принтер увімкнено й підключено, і спробуйте ще раз.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Неможливо завершити сеанс, поки програма зайнята. Дочекайтеся завершення роботи і спробуйте ще раз.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Комп’ютер не може перейти в режим очікування, поки програма обмінюється даними з принтером. Спробуйте ще раз після завершення обміну.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Факсовий довідник записано в принтер.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>uk</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Зчитати факсовий довідник із вибраного принтера.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Виберіть, яку частину довідника показати.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Зберегти довідник у файл на цьому комп’ютері.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Завантажити довідник із файлу на цьому комп’ютері.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Записати показаний довідник у принтер.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Записи швидкого набору принтера.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Дані відправника, що друкуються на факсах, які ви надсилаєте.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Номери факсів, факси з яких принтер відхиляє.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Введіть своє ім’я так, як воно має відображатися на факсах, які ви надсилаєте.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Введіть свій номер факсу так, як він має відображатися на факсах, які ви надсилаєте.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Прийняти дані відправника.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Змінити вибраний запис.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Вибрати всі записи.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Видалити вибрані записи.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Створити запис з одним номером факсу.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Створити групу з кількох записів.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Виберіть принтер для роботи.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Введіть номер факсу, який потрібно відхиляти.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Прийняти цю групу.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Продовжити з вибраним типом.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Прийняти цей запис.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Прийняти цей номер.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Номер факсу</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Номер факсу</translation>
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
        <translation>Номер факсу</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Швидкий набір</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Дані відправника</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Відхилені номери</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Факс</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Факсовий довідник Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Номер факсу</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Номер факсу</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Швидкий набір: записи набору одним натисканням і кодованого набору</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Швидкий набір: записи кодованого набору</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Записи набору одним натисканням нумеруються 01, 02 і т. д.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Записи кодованого набору нумеруються *00, *01 і т. д.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Дані відправника: ім’я та номер факсу, що друкуються на факсах, які ви надсилаєте</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Відхилені номери: факси з цих номерів не приймаються</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Мова...</translation>
    </message>
</context>
</TS>
