<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Apvienošana ar printera izmaiņām</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Faksa katalogs printerī tika mainīts pēc tam, kad jūs to nolasījāt. Apvienošana saglabā gan printerī, gan šeit veiktās izmaiņas. Ja abās pusēs viena vieta ir mainīta atšķirīgi, izvēlieties, kuras puses versiju apvienošanā saglabāt.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Mainītās vietas:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>&amp;Printera versija</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Šī &amp;loga versija</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Grupu dalībnieki, kas tiek noņemti, jo apvienošana iztukšo to vietas:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Apvienot un rakstīt</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Atcelt</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Apvienot...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Vieta</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>Printerī</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>Šajā logā</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Mainīts</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Apvienošanā izmanto</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>Printerī</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>Šajā logā</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Abos vienādi</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Konflikts</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Printera versija</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Šī loga versija</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(tukšs)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (grupa: %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Sūtītājs</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Noraidītais %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Grupa %1 zaudē dalībnieku %2</translation>
    </message>
</context>
</TS>
