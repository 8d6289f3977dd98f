<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>與印表機上的變更合併</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>在您讀取之後，印表機中的傳真通訊錄已有變更。合併會同時保留在印表機上所做的變更與在此處所做的變更。若雙方對同一個編號做了不同的變更，請選擇合併時要保留哪一方。</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>已變更的編號(&amp;C)：</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>採用印表機版本(&amp;P)</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>保留此視窗版本(&amp;T)</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>因合併清空其編號而移除的群組成員(&amp;G)：</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>合併並寫入</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>合併...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>編號</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>印表機上</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>此視窗中</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>變更</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>合併採用</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>印表機上</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>此視窗中</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>雙方相同</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>衝突</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>印表機版本</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>此視窗版本</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>（空白）</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1（群組：%2）</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>傳送者</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>拒收 %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>群組 %1 失去成員 %2</translation>
    </message>
</context>
</TS>
