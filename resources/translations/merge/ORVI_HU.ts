<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Egyesítés a nyomtató módosításaival</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>A nyomtatóban lévő faxcímjegyzék megváltozott, mióta beolvasta. Az egyesítés megtartja a nyomtatóban és az itt végzett módosításokat is. Ahol egy hely mindkét oldalon eltérően módosult, válassza ki, melyik oldalt tartsa meg az egyesítés.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Módosult helyek:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>A &amp;nyomtatói változat átvétele</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Az &amp;ablakbeli változat megtartása</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>Elhagyott &amp;csoporttagok (az egyesítés kiüríti a helyüket):</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Egyesítés és írás</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Egyesítés...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Hely</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>A nyomtatóban</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>Ebben az ablakban</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Módosult</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Egyesítéshez használt</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>A nyomtatóban</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>Ebben az ablakban</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Mindkettőben egyformán</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Ütközés</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Nyomtatói változat</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Ablakbeli változat</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(üres)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (csoport: %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Feladó</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Elutasított szám: %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>A(z) %1 csoportból kikerül a(z) %2 tag</translation>
    </message>
</context>
</TS>
