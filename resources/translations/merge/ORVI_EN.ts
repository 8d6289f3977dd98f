<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Merge with the Printer's Changes</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Changed slots:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Take the &amp;Printer's</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Keep &amp;This Window's</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Group members dropped because the merge empties their slots:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Merge and Write</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Merge...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>On the printer</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>In this window</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Changed</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Merge takes</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>On the printer</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>In this window</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>On both alike</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Conflict</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>The printer's</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>This window's</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(empty)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (group of %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Sender</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Rejected %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Group %1 loses member %2</translation>
    </message>
</context>
</TS>
