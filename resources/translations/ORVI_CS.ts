<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Zadejte faxové číslo, které se má pro tento záznam vytočit.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Zadejte jméno tohoto záznamu.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Zadejte název skupiny.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Záznamy, které lze přidat do skupiny.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Přidat vybrané záznamy do skupiny.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Odebrat vybrané členy ze skupiny.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Záznamy, které patří do skupiny.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Zapsat</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>Z&amp;avřít</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>Načís&amp;t</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Faxový adresář</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>U&amp;ložit...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>&amp;Otevřít...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Tiskárna:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Hlášení</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Vyberte tiskárnu a klikněte na Načíst, abyste zobrazili její faxový adresář.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Komunikace s tiskárnou se nezdařila. Zkontrolujte, zda je tiskárna zapnutá a připojená, a zkuste to znovu.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Tiskárna zpracovává jinou úlohu. Počkejte, až ji dokončí, a zkuste to znovu.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Port tiskárny používá jiný uživatel. Zkuste to znovu, až tento uživatel skončí.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Pro dokončení této operace není k dispozici dostatek paměti. Zavřete ostatní programy a zkuste to znovu.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Soubor adresáře se nepodařilo uložit. Zkontrolujte, zda máte oprávnění k zápisu do složky a zda není disk plný.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Seznam podporovaných modelů tiskáren (orvkit.dat) se nepodařilo načíst. Nainstalujte prosím program znovu.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Soubor se nepodařilo načíst, nebo nejde o soubor faxového adresáře.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Zadejte prosím faxové číslo. Záznam se jménem musí mít faxové číslo.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Přidejte prosím alespoň jednoho člena. Skupina s názvem musí mít členy.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Tento soubor adresáře byl uložen pro jiný model tiskárny. Chcete jej přesto otevřít?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Vybrali jste jinou tiskárnu, ale zobrazený adresář obsahuje změny, které nebyly zapsány do tiskárny. Chcete je zahodit?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Faxový adresář v tiskárně se od svého načtení změnil. Chcete jej přepsat adresářem, který je zobrazen zde?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Toto je ukázka chybové zprávy.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Vybrali jste jinou tiskárnu. Chcete zobrazený adresář zavřít?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Adresář obsahuje změny, které nebyly zapsány do tiskárny. Chcete je zahodit?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Program již běží v relaci jiného uživatele. Současně jej může používat pouze jeden uživatel.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Toto je ukázka informační zprávy.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Operaci se nepodařilo dokončit. Zkontrolujte, zda jde o podporovaný model tiskárny a zda je tiskárna zapnutá a připojená, a zkuste to znovu.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Relaci nelze ukončit, dokud program pracuje. Počkejte prosím, až skončí, a zkuste to znovu.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Počítač nemůže přejít do úsporného režimu, dokud program komunikuje s tiskárnou. Zkuste to prosím znovu, až komunikace skončí.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Faxový adresář byl zapsán do tiskárny.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>cs</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Načíst faxový adresář z vybrané tiskárny.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Vyberte, kterou část adresáře chcete zobrazit.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Uložit adresář do souboru v tomto počítači.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Otevřít adresář ze souboru v tomto počítači.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Zapsat zobrazený adresář do tiskárny.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Záznamy rychlé volby v tiskárně.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Údaje o odesílateli, které se tisknou na odesílané faxy.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Faxová čísla, jejichž faxy tiskárna odmítá.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Zadejte své jméno tak, jak se má zobrazovat na odesílaných faxech.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Zadejte své faxové číslo tak, jak se má zobrazovat na odesílaných faxech.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Potvrdit údaje o odesílateli.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Upravit vybraný záznam.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Vybrat všechny záznamy.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Smazat vybrané záznamy.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Vytvořit záznam s jedním faxovým číslem.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Vytvořit skupinu z několika záznamů.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Vyberte tiskárnu, se kterou chcete pracovat.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Zadejte faxové číslo, které se má odmítat.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Potvrdit tuto skupinu.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Pokračovat se zvoleným typem.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Potvrdit tento záznam.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Potvrdit toto číslo.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Č.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Faxové číslo</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Faxové číslo</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Skupina]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Č.</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Faxové číslo</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Rychlá volba</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Údaje o odesílateli</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Odmítnutá čísla</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Faxový adresář Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Č.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Faxové číslo</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Č.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Faxové číslo</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Rychlá volba: záznamy jednodotykové a kódované volby</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Rychlá volba: záznamy kódované volby</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Záznamy jednodotykové volby jsou číslovány 01, 02 atd.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Záznamy kódované volby jsou číslovány *00, *01 atd.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Údaje o odesílateli: jméno a faxové číslo, které se tisknou na odesílané faxy</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Odmítnutá čísla: faxy z těchto čísel se nepřijímají</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Jazyk...</translation>
    </message>
</context>
</TS>
