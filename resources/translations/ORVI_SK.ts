<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Zadajte faxové číslo, ktoré sa má pre tento záznam vytočiť.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Zadajte meno tohto záznamu.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Zadajte názov skupiny.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Záznamy, ktoré možno pridať do skupiny.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Pridať vybraté záznamy do skupiny.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Odobrať vybratých členov zo skupiny.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Záznamy, ktoré patria do skupiny.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Zapísať</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>Zav&amp;rieť</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Načítať</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Faxový adresár</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>U&amp;ložiť...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>&amp;Otvoriť...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Tlačiareň:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Hlásenia</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Vyberte tlačiareň a kliknite na Načítať, aby sa zobrazil jej faxový adresár.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Komunikácia s tlačiarňou zlyhala. Skontrolujte, či je tlačiareň zapnutá a pripojená, a skúste to znova.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Tlačiareň spracúva inú úlohu. Počkajte, kým ju dokončí, a skúste to znova.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Port tlačiarne používa iný používateľ. Skúste to znova, keď tento používateľ skončí.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Na dokončenie tejto operácie nie je k dispozícii dostatok pamäte. Zavrite ostatné programy a skúste to znova.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Súbor adresára sa nepodarilo uložiť. Skontrolujte, či máte povolenie na zápis do priečinka a či disk nie je plný.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Zoznam podporovaných modelov tlačiarní (orvkit.dat) sa nepodarilo načítať. Nainštalujte, prosím, program znova.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Súbor sa nepodarilo načítať alebo nejde o súbor faxového adresára.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Zadajte, prosím, faxové číslo. Záznam s menom musí mať faxové číslo.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Pridajte, prosím, aspoň jedného člena. Skupina s názvom musí mať členov.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Tento súbor adresára bol uložený pre iný model tlačiarne. Chcete ho napriek tomu otvoriť?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Vybrali ste inú tlačiareň, ale zobrazený adresár obsahuje zmeny, ktoré neboli zapísané do tlačiarne. Chcete ich zahodiť?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Faxový adresár v tlačiarni sa od svojho načítania zmenil. Chcete ho prepísať adresárom, ktorý je zobrazený tu?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Toto je príklad chybového hlásenia.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Vybrali ste inú tlačiareň. Chcete zavrieť zobrazený adresár?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Adresár obsahuje zmeny, ktoré neboli zapísané do tlačiarne. Chcete ich zahodiť?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Program je už spustený v relácii iného používateľa. Súčasne ho môže používať iba jeden používateľ.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Toto je príklad informačného hlásenia.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Operáciu sa nepodarilo dokončiť. Skontrolujte, či ide o podporovaný model tlačiarne a či je tlačiareň zapnutá a pripojená, a skúste to znova.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Reláciu nemožno ukončiť, kým program pracuje. Počkajte, prosím, kým skončí, a skúste to znova.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Počítač nemôže prejsť do úsporného režimu, kým program komunikuje s tlačiarňou. Skúste to, prosím, znova, keď komunikácia skončí.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Faxový adresár bol zapísaný do tlačiarne.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>sk</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Načítať faxový adresár z vybratej tlačiarne.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Vyberte, ktorú časť adresára chcete zobraziť.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Uložiť adresár do súboru v tomto počítači.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Otvoriť adresár zo súboru v tomto počítači.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Zapísať zobrazený adresár do tlačiarne.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Záznamy rýchlej voľby v tlačiarni.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Údaje o odosielateľovi, ktoré sa tlačia na odosielané faxy.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Faxové čísla, ktorých faxy tlačiareň odmieta.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Zadajte svoje meno tak, ako sa má zobrazovať na odosielaných faxoch.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Zadajte svoje faxové číslo tak, ako sa má zobrazovať na odosielaných faxoch.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Potvrdiť údaje o odosielateľovi.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Upraviť vybratý záznam.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Vybrať všetky záznamy.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Vymazať vybraté záznamy.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Vytvoriť záznam s jedným faxovým číslom.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Vytvoriť skupinu z viacerých záznamov.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Vyberte tlačiareň, s ktorou chcete pracovať.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Zadajte faxové číslo, ktoré sa má odmietať.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Potvrdiť túto skupinu.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Pokračovať so zvoleným typom.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Potvrdiť tento záznam.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Potvrdiť toto číslo.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Č.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Meno</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Faxové číslo</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Meno</translation>
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
        <translation>Rýchla voľba</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Údaje o odosielateľovi</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Odmietnuté čísla</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Faxový adresár Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Č.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Meno</translation>
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
        <translation>Meno</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Faxové číslo</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Rýchla voľba: záznamy jednodotykovej a kódovanej voľby</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Rýchla voľba: záznamy kódovanej voľby</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Záznamy jednodotykovej voľby sú očíslované 01, 02 atď.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Záznamy kódovanej voľby sú očíslované *00, *01 atď.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Údaje o odosielateľovi: meno a faxové číslo, ktoré sa tlačia na odosielané faxy</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Odmietnuté čísla: faxy z týchto čísel sa neprijímajú</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Jazyk...</translation>
    </message>
</context>
</TS>
