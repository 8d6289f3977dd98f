<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>이 항목에서 전화를 걸 팩스 번호를 입력합니다.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>이 항목의 이름을 입력합니다.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>그룹 이름을 입력합니다.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>그룹에 추가할 수 있는 항목입니다.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>선택한 항목을 그룹에 추가합니다.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>선택한 구성원을 그룹에서 제거합니다.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>그룹에 속한 항목입니다.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>쓰기(&amp;W)</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>읽기(&amp;R)</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>팩스 주소록</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>저장(&amp;V)...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>불러오기(&amp;O)...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>프린터:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>메시지(&amp;M)</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>프린터를 선택하고 [읽기]를 누르면 팩스 주소록이 표시됩니다.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>프린터와 통신하지 못했습니다. 프린터의 전원이 켜져 있고 연결되어 있는지 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>프린터가 다른 작업을 처리하고 있습니다. 작업이 끝날 때까지 기다린 후 다시 시도하십시오.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>다른 사용자가 프린터 포트를 사용하고 있습니다. 해당 사용자의 작업이 끝나면 다시 시도하십시오.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>이 작업을 완료하는 데 필요한 메모리가 부족합니다. 다른 프로그램을 닫고 다시 시도하십시오.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>주소록 파일을 저장할 수 없습니다. 폴더에 대한 쓰기 권한이 있는지, 디스크 공간이 부족하지 않은지 확인하십시오.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>지원되는 프린터 모델 목록(orvkit.dat)을 읽을 수 없습니다. 프로그램을 다시 설치하십시오.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>파일을 읽을 수 없거나 팩스 주소록 파일이 아닙니다.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>팩스 번호를 입력하십시오. 이름이 있는 항목에는 팩스 번호가 필요합니다.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>구성원을 하나 이상 추가하십시오. 이름이 있는 그룹에는 구성원이 필요합니다.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>이 주소록 파일은 다른 프린터 모델용으로 저장되었습니다. 그래도 불러오시겠습니까?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>다른 프린터를 선택했지만 표시된 주소록에 프린터에 쓰지 않은 변경 내용이 있습니다. 변경 내용을 버리시겠습니까?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>주소록을 읽은 후에 프린터의 팩스 주소록이 변경되었습니다. 여기에 표시된 주소록으로 덮어쓰시겠습니까?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>오류 메시지의 예입니다.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>다른 프린터를 선택했습니다. 표시된 주소록을 닫으시겠습니까?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>주소록에 프린터에 쓰지 않은 변경 내용이 있습니다. 변경 내용을 버리시겠습니까?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>프로그램이 이미 다른 사용자의 세션에서 실행 중입니다. 한 번에 한 사용자만 사용할 수 있습니다.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>정보 메시지의 예입니다.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>작업을 완료할 수 없습니다. 지원되는 프린터 모델인지, 전원이 켜져 있고 연결되어 있는지 확인한 후 다시 시도하십시오.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>프로그램이 작업 중일 때는 세션을 종료할 수 없습니다. 작업이 끝날 때까지 기다린 후 다시 시도하십시오.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>프로그램이 프린터와 통신하는 동안에는 컴퓨터를 대기 모드로 전환할 수 없습니다. 통신이 끝난 후 다시 시도하십시오.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>팩스 주소록을 프린터에 썼습니다.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>ko</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>선택한 프린터에서 팩스 주소록을 읽습니다.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>표시할 주소록 부분을 선택합니다.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>주소록을 이 컴퓨터의 파일에 저장합니다.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>이 컴퓨터의 파일에서 주소록을 불러옵니다.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>표시된 주소록을 프린터에 씁니다.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>프린터의 단축 다이얼 항목입니다.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>보내는 팩스에 인쇄되는 발신자 정보입니다.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>프린터가 수신을 거부하는 팩스 번호입니다.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>보내는 팩스에 표시할 이름을 입력합니다.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>보내는 팩스에 표시할 팩스 번호를 입력합니다.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>발신자 정보를 확정합니다.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>선택한 항목을 편집합니다.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>모든 항목을 선택합니다.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>선택한 항목을 삭제합니다.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>팩스 번호가 하나인 항목을 만듭니다.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>여러 항목으로 구성된 그룹을 만듭니다.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>사용할 프린터를 선택합니다.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>수신을 거부할 팩스 번호를 입력합니다.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>이 그룹을 확정합니다.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>선택한 유형으로 계속합니다.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>이 항목을 확정합니다.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>이 번호를 확정합니다.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>번호</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>팩스 번호</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>팩스 번호</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[그룹]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>번호</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>팩스 번호</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>단축 다이얼</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>발신자 정보</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>수신 거부 번호</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>팩스</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane 팩스 주소록</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>번호</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>팩스 번호</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>번호</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>팩스 번호</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>단축 다이얼: 원터치 다이얼 및 코드 다이얼 항목</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>단축 다이얼: 코드 다이얼 항목</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>원터치 다이얼 항목의 번호는 01, 02 등입니다.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>코드 다이얼 항목의 번호는 *00, *01 등입니다.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>발신자 정보: 보내는 팩스에 인쇄되는 이름과 팩스 번호</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>수신 거부 번호: 이 번호에서 오는 팩스는 수신하지 않습니다</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>언어...</translation>
    </message>
</context>
</TS>
