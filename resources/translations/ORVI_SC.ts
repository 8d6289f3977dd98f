<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>输入此条目要拨打的传真号码。</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>输入此条目的名称。</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>输入群组的名称。</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>可以添加到群组中的条目。</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>将所选条目添加到群组中。</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>从群组中移除所选成员。</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>属于该群组的条目。</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>写入(&amp;W)</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>读取(&amp;R)</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>传真通讯簿</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>保存(&amp;V)...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>加载(&amp;O)...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>打印机：</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>消息(&amp;M)</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>请选择打印机并按“读取”以查看其传真通讯簿。</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>与打印机通信失败。请检查打印机是否已开启并已连接，然后重试。</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>打印机正在处理其他作业。请等待其完成后重试。</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>打印机的端口正被其他用户使用。请在该用户使用完毕后重试。</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>内存不足，无法完成此操作。请关闭其他程序后重试。</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>无法保存通讯簿文件。请检查您是否有写入该文件夹的权限，以及磁盘是否已满。</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>无法读取支持的打印机型号列表（orvkit.dat）。请重新安装本程序。</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>无法读取该文件，或者该文件不是传真通讯簿文件。</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>请输入传真号码。有名称的条目必须有传真号码。</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>请至少添加一个成员。有名称的群组必须有成员。</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>此通讯簿文件是为其他打印机型号保存的。是否仍要加载？</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>您选择了其他打印机，但显示的通讯簿中有尚未写入打印机的更改。是否放弃这些更改？</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>在您读取之后，打印机中的传真通讯簿已被更改。是否用此处显示的通讯簿将其覆盖？</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>这是错误消息的示例。</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>您选择了其他打印机。是否关闭显示的通讯簿？</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>通讯簿中有尚未写入打印机的更改。是否放弃这些更改？</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>本程序已在其他用户的会话中运行。同一时间只能有一个用户使用。</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>这是提示消息的示例。</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>无法完成操作。请检查打印机是否为支持的型号、是否已开启并已连接，然后重试。</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>程序正忙，无法结束会话。请等待程序完成后重试。</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>程序正在与打印机通信，计算机无法进入待机状态。请在通信结束后重试。</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>传真通讯簿已写入打印机。</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>zh-cn</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>从所选打印机读取传真通讯簿。</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>选择要显示通讯簿的哪一部分。</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>将通讯簿保存到此计算机上的文件中。</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>从此计算机上的文件加载通讯簿。</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>将显示的通讯簿写入打印机。</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>打印机的快速拨号条目。</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>打印在您发送的传真上的发送方信息。</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>打印机将拒收来自这些传真号码的传真。</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>输入要显示在您发送的传真上的名称。</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>输入要显示在您发送的传真上的传真号码。</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>确认发送方信息。</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>编辑所选条目。</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>选择所有条目。</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>删除所选条目。</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>创建含一个传真号码的条目。</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>创建由多个条目组成的群组。</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>选择要使用的打印机。</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>输入要拒收的传真号码。</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>确认此群组。</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>以所选类型继续。</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>确认此条目。</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>确认此号码。</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>编号</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>传真号码</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>传真号码</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[群组]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>编号</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>传真号码</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>快速拨号</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>发送方信息</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>拒收号码</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>传真</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane 传真通讯簿</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>编号</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>传真号码</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>编号</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>传真号码</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>快速拨号：单键拨号和编码拨号条目</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>快速拨号：编码拨号条目</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>单键拨号条目的编号为 01、02 等。</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>编码拨号条目的编号为 *00、*01 等。</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>发送方信息：打印在您发送的传真上的名称和传真号码</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>拒收号码：不接收来自这些号码的传真</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>语言...</translation>
    </message>
</context>
</TS>
