<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>与打印机上的更改合并</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>在您读取之后，打印机中的传真通讯簿已被更改。合并会同时保留在打印机上所做的更改和在此处所做的更改。如果双方对同一编号的更改不同，请选择合并时保留哪一方。</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>已更改的编号(&amp;C)：</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>采用打印机版本(&amp;P)</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>保留此窗口版本(&amp;T)</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>因合并清空其编号而被移除的群组成员(&amp;G)：</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>合并并写入</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>合并...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>编号</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>打印机上</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>此窗口中</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>更改</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>合并采用</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>打印机上</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>此窗口中</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>双方相同</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>冲突</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>打印机版本</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>此窗口版本</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1（群组：%2）</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>发送方</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>拒收 %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>群组 %1 失去成员 %2</translation>
    </message>
</context>
</TS>
