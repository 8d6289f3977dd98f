<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Введите номер факса, который будет набираться для этой записи.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Введите имя этой записи.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Введите имя группы.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Записи, которые можно добавить в группу.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Добавить выбранные записи в группу.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Убрать выбранных участников из группы.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Записи, входящие в группу.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Записать</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>За&amp;крыть</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Считать</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>Сп&amp;равка</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Факсовый справочник</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>Со&amp;хранить...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>За&amp;грузить...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Принтер:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>Со&amp;общения</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Выберите принтер и нажмите «Считать», чтобы увидеть его факсовый справочник.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Не удалось связаться с принтером. Убедитесь, что принтер включён и подключён, и повторите попытку.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Принтер занят выполнением другого задания. Дождитесь его завершения и повторите попытку.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Порт принтера используется другим пользователем. Повторите попытку, когда этот пользователь закончит работу.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Недостаточно памяти для выполнения этой операции. Закройте другие программы и повторите попытку.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Не удалось сохранить файл справочника. Убедитесь, что у вас есть права на запись в эту папку и что диск не заполнен.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Не удалось прочитать список поддерживаемых моделей принтеров (orvkit.dat). Установите программу повторно.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Не удалось прочитать файл, или он не является файлом факсового справочника.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Введите номер факса. Для записи с именем необходим номер факса.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Добавьте хотя бы одного участника. Для группы с именем необходимы участники.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Этот файл справочника был сохранён для другой модели принтера. Всё равно загрузить его?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Вы выбрали другой принтер, но в отображаемом справочнике есть изменения, которые не были записаны в принтер. Отменить эти изменения?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Факсовый справочник в принтере был изменён после того, как вы его считали. Перезаписать его справочником, отображаемым здесь?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Это пример сообщения об ошибке.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Вы выбрали другой принтер. Закрыть отображаемый справочник?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>В справочнике есть изменения, которые не были записаны в принтер. Отменить эти изменения?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Программа уже запущена в сеансе другого пользователя. Одновременно с ней может работать только один пользователь.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Это пример информационного сообщения.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Не удалось выполнить операцию. Убедитесь, что модель принтера поддерживается, принтер включён и подключён, и повторите попытку.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Невозможно завершить сеанс, пока программа занята. Дождитесь завершения работы и повторите попытку.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Компьютер не может перейти в ждущий режим, пока программа обменивается данными с принтером. Повторите попытку после завершения обмена.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Факсовый справочник записан в принтер.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>ru</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Считать факсовый справочник из выбранного принтера.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Выберите, какую часть справочника показывать.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Сохранить справочник в файл на этом компьютере.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Загрузить справочник из файла на этом компьютере.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Записать отображаемый справочник в принтер.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Записи быстрого набора принтера.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Данные отправителя, печатаемые на отправляемых вами факсах.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Номера факсов, факсы с которых принтер отклоняет.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Введите своё имя так, как оно должно отображаться на отправляемых вами факсах.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Введите свой номер факса так, как он должен отображаться на отправляемых вами факсах.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Принять данные отправителя.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Изменить выбранную запись.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Выбрать все записи.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Удалить выбранные записи.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Создать запись с одним номером факса.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Создать группу из нескольких записей.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Выберите принтер для работы.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Введите номер факса, который нужно отклонять.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Принять эту группу.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Продолжить с выбранным типом.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Принять эту запись.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Принять этот номер.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Номер факса</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Номер факса</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Группа]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Номер факса</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Быстрый набор</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Данные отправителя</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Отклоняемые номера</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Факс</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Факсовый справочник Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Номер факса</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Номер факса</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Быстрый набор: записи набора одним нажатием и кодированного набора</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Быстрый набор: записи кодированного набора</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Записи набора одним нажатием нумеруются 01, 02 и т. д.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Записи кодированного набора нумеруются *00, *01 и т. д.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Данные отправителя: имя и номер факса, печатаемые на отправляемых вами факсах</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Отклоняемые номера: факсы с этих номеров не принимаются</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Язык...</translation>
    </message>
</context>
</TS>
