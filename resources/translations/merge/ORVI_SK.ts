<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Zlúčenie so zmenami v tlačiarni</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Faxový adresár v tlačiarni sa od svojho načítania zmenil. Zlúčenie zachová zmeny vykonané v tlačiarni aj zmeny vykonané tu. Ak bola pozícia na oboch stranách zmenená odlišne, vyberte, ktorú stranu zlúčenie ponechá.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Zmenené pozície:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Prevziať z &amp;tlačiarne</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Ponechať z tohto &amp;okna</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>Členovia &amp;skupín vynechaní, pretože zlúčenie vyprázdni ich pozície:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Zlúčiť a zapísať</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Zlúčiť...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Pozícia</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>V tlačiarni</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>V tomto okne</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Zmenené</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Zlúčenie prevezme</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>V tlačiarni</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>V tomto okne</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Na oboch rovnako</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Z tlačiarne</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Z tohto okna</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(prázdne)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (skupina: %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Odosielateľ</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Odmietnuté číslo %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Skupina %1 prichádza o člena %2</translation>
    </message>
</context>
</TS>
