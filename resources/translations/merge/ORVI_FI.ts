<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Yhdistä tulostimen muutosten kanssa</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Tulostimen faksiluetteloa on muutettu sen jälkeen, kun luit sen. Yhdistäminen säilyttää sekä tulostimessa että tässä tehdyt muutokset. Jos molemmissa on muutettu samaa paikkaa eri tavoin, valitse, kumman puolen version yhdistäminen säilyttää.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Muuttuneet paikat:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>&amp;Tulostimen versio</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Tämän &amp;ikkunan versio</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Ryhmien jäsenet, jotka poistetaan, koska yhdistäminen tyhjentää niiden paikat:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Yhdistä ja kirjoita</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Yhdistä...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Paikka</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>Tulostimessa</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>Tässä ikkunassa</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Muutettu</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Yhdistäminen käyttää</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>Tulostimessa</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>Tässä ikkunassa</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Molemmissa samoin</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Ristiriita</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Tulostimen versio</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Tämän ikkunan versio</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(tyhjä)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (ryhmä: %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Lähettäjä</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Estetty %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Ryhmä %1 menettää jäsenen %2</translation>
    </message>
</context>
</TS>
