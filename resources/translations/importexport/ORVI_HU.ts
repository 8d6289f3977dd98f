<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Egyéb</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>További parancsok a megjelenített címjegyzékhez: névjegyek importálása, a címjegyzék exportálása</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Importálás...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>E&amp;xportálás...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Névjegyek és címjegyzékek</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard-névjegyek</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV-táblázat</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON-címjegyzék</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>A(z) %1 fájl nem olvasható.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>A(z) %1 fájl nem importálható: nem olyan névjegy- vagy címjegyzékfájl, amelyet ez a program be tud olvasni.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>A(z) %1 fájlt nem sikerült menteni. Ellenőrizze, hogy van-e írási joga a mappához, és hogy nem telt-e meg a lemez.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Importálás</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: elhelyezve: %2, módosítva: %3, rövidítve: %4, nem elhelyezve: %5.
Az OK gomb átveszi őket a megjelenített címjegyzékbe; a nyomtatóba semmi sem kerül, amíg nem kattint az Írás gombra.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>A fájl &amp;bejegyzései:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Sor</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Hely</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Faxszám</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Eredmény</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Részletek</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Feladó</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Elutasított szám: %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Elhelyezve</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Módosítva</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Rövidítve</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Nincs elhelyezve</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>a név „%1” helyett „%2” lett</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>a név („%1”) %2 karakterre rövidült</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>a szám „%1” helyett „%2” lett</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>a szám („%1”) %2 karakterre rövidült</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>a nyomtatóban nincs ilyen hely: %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>a hely kétszer szerepel</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>nincs a nyomtató által elfogadott szám</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>nem maradt szabad hely</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>nincs a nyomtató által elfogadott szám; a hely üres marad</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>a(z) %1 tag kimaradt: a nyomtatóban nincs ilyen hely</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>a(z) %1 tag kétszer szerepel</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Oszlopok kiválasztása</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>A(z) %1 fájl oszlopai nem ismerhetők fel. Válassza ki azt az oszlopot, amely az egyes névjegyek nevét tartalmazza, és azt, amely a faxszámot.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Név:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faxszám:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
</TS>
