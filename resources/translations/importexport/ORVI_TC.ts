<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>針對所顯示通訊錄的更多指令：匯入聯絡人清單、匯出通訊錄</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>匯入(&amp;I)...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>匯出(&amp;E)...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>聯絡人清單與通訊錄</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard 聯絡人清單</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV 表格</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON 通訊錄</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>無法讀取檔案 %1。</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>無法匯入檔案 %1：這不是本程式可讀取的聯絡人清單或通訊錄。
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>無法儲存檔案 %1。請確認您具有該資料夾的寫入權限，且磁碟空間未滿。</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1：已放入 %2 筆，已變更 %3 筆，已截斷 %4 筆，未放入 %5 筆。
按「確定」會將其加入顯示的通訊錄；在您按「寫入」之前，不會將任何內容傳送到印表機。</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>檔案中的項目(&amp;E)：</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>確定</translation>
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
        <translation>編號</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>傳真號碼</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>詳細資料</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>傳送者</translation>
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
        <translation>已變更</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>已截斷</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>未放入</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>名稱「%1」已變為「%2」</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>名稱「%1」已截斷為 %2 個字元</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>號碼「%1」已變為「%2」</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>號碼「%1」已截斷為 %2 個字元</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>印表機沒有編號 %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>此編號被指定了兩次</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>沒有印表機可接受的號碼</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>已沒有空的編號</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>沒有印表機可接受的號碼；此編號保留空白</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>已略過成員 %1：印表機沒有此編號</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>成員 %1 被指定了兩次</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>選擇欄位</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>無法辨識 %1 的欄位。請選擇包含每位聯絡人姓名的欄位，以及包含傳真號碼的欄位。</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>名稱(&amp;N)：</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>傳真號碼(&amp;F)：</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
