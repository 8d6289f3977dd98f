<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>检查(&amp;C)...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>您的更改会给打印机的传真通讯簿带来以下问题。是否仍要写入？</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>显示的传真通讯簿存在以下问题：</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>显示的传真通讯簿没有问题。</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>编号</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>发送方</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>拒收 %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>成员 %1 是空编号。</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>号码 %1 位于编号 %2 中。</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>该群组没有成员。</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>打印机不接受名称“%1”。</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>打印机不接受号码“%1”。</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>号码 %1 位于拒收号码 %2 中。</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>仅显示名称或号码包含此文本的条目</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>名称或号码</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>查找(&amp;F)：</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>仍然写入(&amp;W)</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>
