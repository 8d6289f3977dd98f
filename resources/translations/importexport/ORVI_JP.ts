<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>その他</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>表示中の電話帳に対するその他のコマンド：アドレス帳のインポート、電話帳のエクスポート</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>エクスポート(&amp;E)...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>アドレス帳と電話帳</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard アドレス帳</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV 表</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON 電話帳</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>ファイル %1 を読み込めませんでした。</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>ファイル %1 をインポートできません。このプログラムで読み込めるアドレス帳または電話帳ではありません。
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>ファイル %1 を保存できませんでした。フォルダーへの書き込み権限があること、ディスクに空きがあることを確認してください。</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1：登録 %2 件、変更 %3 件、切り詰め %4 件、未登録 %5 件。
［OK］を押すと表示中の電話帳に取り込まれます。［書き込み］を押すまで、プリンターには何も送られません。</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>ファイル内の宛先(&amp;E)：</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>番号</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>ファクス番号</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>発信元</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>受信拒否 %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>登録</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>変更</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>切り詰め</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>未登録</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>名前「%1」を「%2」に変更しました</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>名前「%1」を %2 文字に切り詰めました</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>ファクス番号「%1」を「%2」に変更しました</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>ファクス番号「%1」を %2 文字に切り詰めました</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>プリンターに番号 %1 はありません</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>番号が 2 回指定されています</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>プリンターで使用できるファクス番号がありません</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>空いている番号がありません</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>プリンターで使用できるファクス番号がないため、番号を空きのままにしました</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>メンバー %1 を除外しました：プリンターにその番号はありません</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>メンバー %1 が 2 回指定されています</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>列の選択</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>%1 の列を認識できません。各連絡先の名前が入っている列と、ファクス番号が入っている列を選んでください。</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>名前(&amp;N)：</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>ファクス番号(&amp;F)：</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
