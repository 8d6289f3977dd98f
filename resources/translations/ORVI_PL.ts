<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Wprowadź numer faksu, który ma być wybierany dla tego wpisu.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Wprowadź nazwę tego wpisu.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Wprowadź nazwę grupy.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Wpisy, które można dodać do grupy.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Dodaj zaznaczone wpisy do grupy.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Usuń zaznaczonych członków z grupy.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Wpisy należące do grupy.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>P&amp;rześlij</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Odczytaj</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Książka adresowa faksu</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>&amp;Zapisz...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>&amp;Wczytaj...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Drukarka:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Komunikaty</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Wybierz drukarkę i kliknij Odczytaj, aby wyświetlić jej książkę adresową faksu.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Komunikacja z drukarką nie powiodła się. Sprawdź, czy drukarka jest włączona i podłączona, a następnie spróbuj ponownie.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Drukarka wykonuje inne zadanie. Poczekaj, aż je zakończy, a następnie spróbuj ponownie.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Port drukarki jest używany przez innego użytkownika. Spróbuj ponownie, gdy ten użytkownik zakończy pracę.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Za mało pamięci, aby ukończyć tę operację. Zamknij inne programy i spróbuj ponownie.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Nie można zapisać pliku książki adresowej. Sprawdź, czy masz uprawnienia do zapisu w folderze i czy dysk nie jest zapełniony.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Nie można odczytać listy obsługiwanych modeli drukarek (orvkit.dat). Zainstaluj program ponownie.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Nie można odczytać pliku lub nie jest to plik książki adresowej faksu.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Wprowadź numer faksu. Wpis z nazwą musi mieć numer faksu.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Dodaj co najmniej jednego członka. Grupa z nazwą musi mieć członków.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Ten plik książki adresowej został zapisany dla innego modelu drukarki. Czy mimo to chcesz go wczytać?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Wybrano inną drukarkę, ale wyświetlana książka adresowa zawiera zmiany, które nie zostały przesłane do drukarki. Czy chcesz z nich zrezygnować?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Książka adresowa faksu w drukarce została zmieniona po jej odczytaniu. Czy chcesz ją zastąpić książką adresową wyświetlaną tutaj?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>To jest przykładowy komunikat o błędzie.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Wybrano inną drukarkę. Czy chcesz zamknąć wyświetlaną książkę adresową?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Książka adresowa zawiera zmiany, które nie zostały przesłane do drukarki. Czy chcesz z nich zrezygnować?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Program jest już uruchomiony w sesji innego użytkownika. W danej chwili może z niego korzystać tylko jeden użytkownik.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>To jest przykładowy komunikat informacyjny.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Nie można ukończyć operacji. Sprawdź, czy drukarka jest obsługiwanym modelem oraz czy jest włączona i podłączona, a następnie spróbuj ponownie.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Nie można zakończyć sesji, dopóki program jest zajęty. Poczekaj, aż zakończy pracę, a następnie spróbuj ponownie.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Komputer nie może przejść w stan wstrzymania, gdy program komunikuje się z drukarką. Spróbuj ponownie po zakończeniu komunikacji.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Książka adresowa faksu została przesłana do drukarki.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>pl</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Odczytaj książkę adresową faksu z wybranej drukarki.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Wybierz, którą część książki adresowej wyświetlić.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Zapisz książkę adresową w pliku na tym komputerze.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Wczytaj książkę adresową z pliku na tym komputerze.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Prześlij wyświetlaną książkę adresową do drukarki.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Wpisy szybkiego wybierania w drukarce.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Dane nadawcy drukowane na wysyłanych faksach.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Numery faksów, z których faksy są odrzucane przez drukarkę.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Wprowadź swoją nazwę w takiej postaci, w jakiej ma się pojawiać na wysyłanych faksach.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Wprowadź swój numer faksu w takiej postaci, w jakiej ma się pojawiać na wysyłanych faksach.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Zatwierdź dane nadawcy.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Edytuj zaznaczony wpis.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Zaznacz wszystkie wpisy.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Usuń zaznaczone wpisy.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Utwórz wpis z jednym numerem faksu.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Utwórz grupę z kilku wpisów.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Wybierz drukarkę, z którą chcesz pracować.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Wprowadź numer faksu, który ma być odrzucany.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Zatwierdź tę grupę.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Kontynuuj z wybranym typem.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Zatwierdź ten wpis.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Zatwierdź ten numer.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Numer faksu</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Numer faksu</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Grupa]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Numer faksu</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Szybkie wybieranie</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Dane nadawcy</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Odrzucane numery</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Faks</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Książka adresowa faksu Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Numer faksu</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Numer faksu</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Szybkie wybieranie: wpisy wybierania jednoprzyciskowego i kodowanego</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Szybkie wybieranie: wpisy wybierania kodowanego</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Wpisy wybierania jednoprzyciskowego mają numery 01, 02 itd.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Wpisy wybierania kodowanego mają numery *00, *01 itd.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Dane nadawcy: nazwa i numer faksu drukowane na wysyłanych faksach</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Odrzucane numery: faksy z tych numerów nie są odbierane</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Język...</translation>
    </message>
</context>
</TS>
