<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Anna faksinumero, johon tällä merkinnällä soitetaan.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Anna tämän merkinnän nimi.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Anna ryhmän nimi.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Merkinnät, jotka voidaan lisätä ryhmään.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Lisää valitut merkinnät ryhmään.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Poista valitut jäsenet ryhmästä.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Ryhmään kuuluvat merkinnät.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Kirjoita</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;Sulje</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Lue</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Faksiluettelo</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>&amp;Tallenna...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>L&amp;ataa...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Tulostin:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Ilmoitukset</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Valitse tulostin ja napsauta Lue, niin näet sen faksiluettelon.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Yhteys tulostimeen epäonnistui. Tarkista, että tulostin on päällä ja liitetty, ja yritä sitten uudelleen.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Tulostin käsittelee toista työtä. Odota, kunnes se on valmis, ja yritä sitten uudelleen.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Toinen käyttäjä käyttää tulostimen porttia. Yritä uudelleen, kun kyseinen käyttäjä on lopettanut.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Muisti ei riitä tämän toiminnon suorittamiseen. Sulje muita ohjelmia ja yritä uudelleen.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Luettelotiedostoa ei voitu tallentaa. Tarkista, että sinulla on kansioon kirjoitusoikeus ja ettei levy ole täynnä.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Tuettujen tulostinmallien luetteloa (orvkit.dat) ei voitu lukea. Asenna ohjelma uudelleen.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Tiedostoa ei voitu lukea tai se ei ole faksiluettelotiedosto.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Anna faksinumero. Nimetyllä merkinnällä on oltava faksinumero.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Lisää vähintään yksi jäsen. Nimetyllä ryhmällä on oltava jäseniä.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Tämä luettelotiedosto on tallennettu toiselle tulostinmallille. Haluatko silti ladata sen?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Valitsit toisen tulostimen, mutta näytettävässä luettelossa on muutoksia, joita ei ole kirjoitettu tulostimeen. Haluatko hylätä ne?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Tulostimen faksiluetteloa on muutettu sen jälkeen, kun luit sen. Haluatko korvata sen tässä näytettävällä luettelolla?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Tämä on esimerkki virheilmoituksesta.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Valitsit toisen tulostimen. Haluatko sulkea näytettävän luettelon?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Luettelossa on muutoksia, joita ei ole kirjoitettu tulostimeen. Haluatko hylätä ne?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Ohjelma on jo käynnissä toisen käyttäjän istunnossa. Vain yksi käyttäjä voi käyttää sitä kerrallaan.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Tämä on esimerkki tietoilmoituksesta.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Toimintoa ei voitu suorittaa loppuun. Tarkista, että tulostin on tuettu malli ja että se on päällä ja liitetty, ja yritä sitten uudelleen.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Istuntoa ei voi lopettaa, kun ohjelma on varattu. Odota, kunnes se on valmis, ja yritä sitten uudelleen.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Tietokonetta ei voi siirtää valmiustilaan, kun ohjelma on yhteydessä tulostimeen. Yritä uudelleen, kun se on valmis.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Faksiluettelo kirjoitettiin tulostimeen.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>fi</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Lue faksiluettelo valitusta tulostimesta.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Valitse, mikä luettelon osa näytetään.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Tallenna luettelo tiedostoon tähän tietokoneeseen.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Lataa luettelo tiedostosta tästä tietokoneesta.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Kirjoita näytettävä luettelo tulostimeen.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Tulostimen pikavalintamerkinnät.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Lähettäjän tiedot, jotka tulostetaan lähettämiisi fakseihin.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Faksinumerot, joilta tulevat faksit tulostin estää.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Anna nimesi siinä muodossa, jossa sen halutaan näkyvän lähettämissäsi fakseissa.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Anna faksinumerosi siinä muodossa, jossa sen halutaan näkyvän lähettämissäsi fakseissa.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Hyväksy lähettäjän tiedot.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Muokkaa valittua merkintää.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Valitse kaikki merkinnät.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Poista valitut merkinnät.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Luo merkintä, jossa on yksi faksinumero.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Luo ryhmä useista merkinnöistä.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Valitse tulostin, jota haluat käyttää.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Anna estettävä faksinumero.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Hyväksy tämä ryhmä.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Jatka valitulla tyypillä.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Hyväksy tämä merkintä.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Hyväksy tämä numero.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>Nro</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Faksinumero</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Faksinumero</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Ryhmä]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>Nro</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Faksinumero</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Pikavalinta</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Lähettäjän tiedot</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Estetyt numerot</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Faksi</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane-faksiluettelo</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>Nro</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Faksinumero</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>Nro</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Faksinumero</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Pikavalinta: pikanäppäinvalinnan ja koodatun pikavalinnan merkinnät</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Pikavalinta: koodatun pikavalinnan merkinnät</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Pikanäppäinvalinnan merkinnät numeroidaan 01, 02 jne.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Koodatun pikavalinnan merkinnät numeroidaan *00, *01 jne.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Lähettäjän tiedot: nimi ja faksinumero, jotka tulostetaan lähettämiisi fakseihin</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Estetyt numerot: näistä numeroista tulevia fakseja ei vastaanoteta</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Kieli...</translation>
    </message>
</context>
</TS>
