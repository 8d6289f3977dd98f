<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt_LT" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Suliejimas su spausdintuvo pakeitimais</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Fakso katalogas spausdintuve buvo pakeistas po to, kai jį perskaitėte. Suliejimas išlaikys ir spausdintuve, ir čia atliktus pakeitimus. Jei vieta abiejose pusėse buvo pakeista skirtingai, pasirinkite, kurią pusę suliejimas turi išlaikyti.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Pakeistos vietos:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Paimti &amp;spausdintuvo versiją</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Palikti šio &amp;lango versiją</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Grupių nariai, pašalinti, nes suliejimas ištuština jų vietas:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Sulieti ir įrašyti</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Sulieti...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Vieta</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>Spausdintuve</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>Šiame lange</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Pakeista</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Suliejant imama</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>Spausdintuve</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>Šiame lange</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Abiejose vienodai</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Konfliktas</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Iš spausdintuvo</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Iš šio lango</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(tuščia)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (grupė: %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Siuntėjas</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Atmetamas numeris %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Grupė %1 netenka nario %2</translation>
    </message>
</context>
</TS>
