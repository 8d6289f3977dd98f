<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>この宛先のファクス番号を入力します。</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>この宛先の名前を入力します。</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>グループの名前を入力します。</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>グループに追加できる宛先です。</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>選択した宛先をグループに追加します。</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>選択したメンバーをグループから除外します。</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>グループに含まれる宛先です。</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>書き込み(&amp;W)</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>読み込み(&amp;R)</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>ファクス電話帳</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>保存(&amp;V)...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>プリンター：</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>メッセージ(&amp;M)</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>プリンターを選んで［読み込み］を押すと、ファクス電話帳が表示されます。</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>プリンターとの通信に失敗しました。プリンターの電源が入っていて接続されていることを確認してから、もう一度お試しください。</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>プリンターは別のジョブを処理中です。終了するまで待ってから、もう一度お試しください。</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>プリンターのポートは別のユーザーが使用中です。そのユーザーの作業が終わってから、もう一度お試しください。</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>この操作を完了するためのメモリが不足しています。ほかのプログラムを閉じてから、もう一度お試しください。</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>電話帳ファイルを保存できませんでした。フォルダーへの書き込み権限があること、ディスクに空きがあることを確認してください。</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>対応プリンター機種の一覧（orvkit.dat）を読み込めませんでした。プログラムをインストールし直してください。</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>ファイルを開けないか、ファクス電話帳のファイルではありません。</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>ファクス番号を入力してください。名前のある宛先にはファクス番号が必要です。</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>メンバーを少なくとも 1 つ追加してください。名前のあるグループにはメンバーが必要です。</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>この電話帳ファイルは別のプリンター機種用に保存されたものです。それでも開きますか？</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>別のプリンターが選択されましたが、表示中の電話帳にはプリンターに書き込まれていない変更があります。変更を破棄しますか？</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>読み込んだ後に、プリンター内のファクス電話帳が変更されています。ここに表示されている電話帳で上書きしますか？</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>これはエラーメッセージの例です。</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>別のプリンターが選択されました。表示中の電話帳を閉じますか？</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>電話帳にはプリンターに書き込まれていない変更があります。変更を破棄しますか？</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>このプログラムは別のユーザーのセッションですでに実行されています。同時に使用できるのは 1 人のユーザーだけです。</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>これは情報メッセージの例です。</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>操作を完了できませんでした。対応しているプリンター機種であること、電源が入っていて接続されていることを確認してから、もう一度お試しください。</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>プログラムの処理中はセッションを終了できません。処理が終わるまで待ってから、もう一度お試しください。</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>プログラムがプリンターと通信している間は、コンピューターをスタンバイにできません。通信が終わってから、もう一度お試しください。</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>ファクス電話帳をプリンターに書き込みました。</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>ja</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>選択したプリンターからファクス電話帳を読み込みます。</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>表示する電話帳の項目を選びます。</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>電話帳をこのコンピューターのファイルに保存します。</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>このコンピューターのファイルから電話帳を開きます。</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>表示中の電話帳をプリンターに書き込みます。</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>プリンターのスピードダイヤルの宛先です。</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>送信するファクスに印刷される発信元情報です。</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>プリンターが受信を拒否するファクス番号です。</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>送信するファクスに表示する名前を入力します。</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>送信するファクスに表示するファクス番号を入力します。</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>発信元情報を確定します。</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>選択した宛先を編集します。</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>すべての宛先を選択します。</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>選択した宛先を削除します。</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>ファクス番号を 1 つ持つ宛先を作成します。</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>複数の宛先からなるグループを作成します。</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>使用するプリンターを選びます。</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>受信を拒否するファクス番号を入力します。</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>このグループを確定します。</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>選択した種類で続けます。</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>この宛先を確定します。</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>この番号を確定します。</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>番号</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>ファクス番号</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>ファクス番号</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>［グループ］</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>番号</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>ファクス番号</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>スピードダイヤル</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>発信元情報</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>受信拒否番号</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>ファクス</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane ファクス電話帳</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>番号</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>ファクス番号</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>番号</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>ファクス番号</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>スピードダイヤル：ワンタッチダイヤルと短縮ダイヤルの宛先</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>スピードダイヤル：短縮ダイヤルの宛先</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>ワンタッチダイヤルの宛先には 01、02 などの番号が付きます。</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>短縮ダイヤルの宛先には *00、*01 などの番号が付きます。</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>発信元情報：送信するファクスに印刷される名前とファクス番号</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>受信拒否番号：これらの番号からのファクスは受信しません</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>言語...</translation>
    </message>
</context>
</TS>
