<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>针对所显示通讯簿的更多命令：导入地址簿、导出通讯簿</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>导入(&amp;I)...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>导出(&amp;E)...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>地址簿和通讯簿</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard 地址簿</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV 表格</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON 通讯簿</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>无法读取文件 %1。</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>无法导入文件 %1：它不是本程序可读取的地址簿或通讯簿。
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>无法保存文件 %1。请检查您是否有写入该文件夹的权限，以及磁盘是否已满。</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1：已放入 %2 个，已更改 %3 个，已截断 %4 个，未放入 %5 个。
按“确定”将其添加到显示的通讯簿中；在您按“写入”之前，不会向打印机发送任何内容。</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>文件中的条目(&amp;E)：</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>编号</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>传真号码</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>发送方</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>拒收 %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>已放入</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>已更改</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>已截断</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>未放入</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>名称“%1”已变为“%2”</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>名称“%1”已截断为 %2 个字符</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>号码“%1”已变为“%2”</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>号码“%1”已截断为 %2 个字符</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>打印机没有编号 %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>该编号被指定了两次</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>没有打印机可接受的号码</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>已没有空闲的编号</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>没有打印机可接受的号码；该编号保留为空</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>已略去成员 %1：打印机没有此编号</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>成员 %1 被指定了两次</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>选择列</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>无法识别 %1 中的列。请选择包含每个联系人姓名的列，以及包含传真号码的列。</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>名称(&amp;N)：</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>传真号码(&amp;F)：</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
