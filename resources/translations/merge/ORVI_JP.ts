<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>プリンター側の変更と統合</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>読み込んだ後に、プリンター内のファクス電話帳が変更されています。統合すると、プリンターで行われた変更とここで行った変更の両方が残ります。同じ番号が両方で異なる内容に変更されている場合は、統合でどちらを残すかを選んでください。</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>変更された番号(&amp;C)：</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>プリンター側を採用(&amp;P)</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>このウィンドウ側を維持(&amp;T)</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>統合で番号が空きになるため除外されるグループメンバー(&amp;G)：</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>統合して書き込み</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>統合...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>番号</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>プリンター側</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>このウィンドウ側</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>変更箇所</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>統合で採用</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>プリンター側</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>このウィンドウ側</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>両方で同じ</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>競合</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>プリンター側</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>このウィンドウ側</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>（空き）</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1（グループ：%2）</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>発信元</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>受信拒否 %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>グループ %1 からメンバー %2 を除外</translation>
    </message>
</context>
</TS>
