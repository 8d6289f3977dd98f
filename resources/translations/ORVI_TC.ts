<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>輸入此項目要撥打的傳真號碼。</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>輸入此項目的名稱。</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>輸入群組的名稱。</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>可新增到群組的項目。</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>將選取的項目新增到群組。</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>從群組中移除選取的成員。</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>屬於此群組的項目。</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>寫入(&amp;W)</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>讀取(&amp;R)</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>傳真通訊錄</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>儲存(&amp;V)...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>載入(&amp;O)...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>印表機：</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>訊息(&amp;M)</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>請選擇印表機並按「讀取」，即可檢視其傳真通訊錄。</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>與印表機通訊失敗。請確認印表機已開啟電源並已連接，然後再試一次。</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>印表機正在處理其他工作。請等候工作完成，然後再試一次。</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>其他使用者正在使用印表機的連接埠。請在該使用者完成後再試一次。</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>記憶體不足，無法完成此作業。請關閉其他程式，然後再試一次。</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>無法儲存通訊錄檔案。請確認您具有該資料夾的寫入權限，且磁碟空間未滿。</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>無法讀取支援的印表機機型清單（orvkit.dat）。請重新安裝本程式。</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>無法讀取檔案，或該檔案不是傳真通訊錄檔案。</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>請輸入傳真號碼。有名稱的項目必須有傳真號碼。</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>請至少新增一個成員。有名稱的群組必須有成員。</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>此通訊錄檔案是為其他印表機機型儲存的。是否仍要載入？</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>您選擇了其他印表機，但顯示的通訊錄有尚未寫入印表機的變更。是否要捨棄這些變更？</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>在您讀取之後，印表機中的傳真通訊錄已有變更。是否要以此處顯示的通訊錄覆寫？</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>這是錯誤訊息的範例。</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>您選擇了其他印表機。是否要關閉顯示的通訊錄？</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>通訊錄有尚未寫入印表機的變更。是否要捨棄這些變更？</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>本程式已在其他使用者的工作階段中執行。同一時間只能有一位使用者使用。</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>這是資訊訊息的範例。</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>無法完成作業。請確認印表機為支援的機型、已開啟電源並已連接，然後再試一次。</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>程式忙碌時無法結束工作階段。請等候程式完成，然後再試一次。</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>程式與印表機通訊期間，電腦無法進入待命狀態。請在通訊完成後再試一次。</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>傳真通訊錄已寫入印表機。</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>zh-tw</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>從選取的印表機讀取傳真通訊錄。</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>選擇要顯示通訊錄的哪個部分。</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>將通訊錄儲存到這台電腦上的檔案。</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>從這台電腦上的檔案載入通訊錄。</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>將顯示的通訊錄寫入印表機。</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>印表機的快速撥號項目。</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>列印在您傳送的傳真上的傳送者資訊。</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>印表機將拒收來自這些傳真號碼的傳真。</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>輸入要顯示在您傳送的傳真上的名稱。</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>輸入要顯示在您傳送的傳真上的傳真號碼。</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>確認傳送者資訊。</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>編輯選取的項目。</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>選取所有項目。</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>刪除選取的項目。</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>建立含一個傳真號碼的項目。</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>建立由多個項目組成的群組。</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>選擇要使用的印表機。</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>輸入要拒收的傳真號碼。</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>確認此群組。</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>以選擇的類型繼續。</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>確認此項目。</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>確認此號碼。</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>編號</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>傳真號碼</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>傳真號碼</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[群組]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>編號</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>傳真號碼</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>快速撥號</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>傳送者資訊</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>拒收號碼</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>傳真</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane 傳真通訊錄</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>編號</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>傳真號碼</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>編號</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>傳真號碼</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>快速撥號：單鍵撥號與編碼撥號項目</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>快速撥號：編碼撥號項目</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>單鍵撥號項目的編號為 01、02，依此類推。</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>編碼撥號項目的編號為 *00、*01，依此類推。</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>傳送者資訊：列印在您傳送的傳真上的名稱與傳真號碼</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>拒收號碼：不接收來自這些號碼的傳真</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>語言...</translation>
    </message>
</context>
</TS>
