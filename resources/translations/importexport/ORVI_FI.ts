<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Muut</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Muut näytettävän luettelon komennot: tuo osoitekirja, vie luettelo</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Tuo...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Vie...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Osoitekirjat ja luettelot</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard-osoitekirja</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV-taulukko</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON-luettelo</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>Tiedostoa %1 ei voitu lukea.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>Tiedostoa %1 ei voi tuoda: se ei ole osoitekirja eikä luettelo, jota tämä ohjelma osaa lukea.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Tiedostoa %1 ei voitu tallentaa. Tarkista, että sinulla on kansioon kirjoitusoikeus ja ettei levy ole täynnä.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Tuonti</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: sijoitettu %2, muutettu %3, lyhennetty %4, ei sijoitettu %5.
OK siirtää ne näytettävään luetteloon; tulostimeen ei kirjoiteta mitään ennen kuin napsautat Kirjoita.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Tiedoston merkinnät:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Rivi</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Paikka</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Faksinumero</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Tulos</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Lisätiedot</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Lähettäjä</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Estetty %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Sijoitettu</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Muutettu</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Lyhennetty</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Ei sijoitettu</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>nimi ”%1” muuttui muotoon ”%2”</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>nimi ”%1” lyhennettiin %2 merkkiin</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>numero ”%1” muuttui muotoon ”%2”</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>numero ”%1” lyhennettiin %2 merkkiin</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>tulostimessa ei ole paikkaa %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>paikka on mainittu kahdesti</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>ei numeroa, jonka tulostin hyväksyy</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>vapaita paikkoja ei ole jäljellä</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>ei numeroa, jonka tulostin hyväksyy; paikka jätetään tyhjäksi</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>jäsen %1 jätettiin pois: tulostimessa ei ole tällaista paikkaa</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>jäsen %1 on mainittu kahdesti</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Valitse sarakkeet</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Tiedoston %1 sarakkeita ei tunnistettu. Valitse sarake, jossa on kunkin yhteystiedon nimi, ja sarake, jossa on faksinumero.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Nimi:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faksinumero:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
</TS>
