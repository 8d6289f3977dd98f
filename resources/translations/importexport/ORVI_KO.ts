<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>더 보기</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>표시된 주소록에 대한 추가 명령: 연락처 가져오기, 주소록 내보내기</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>가져오기(&amp;I)...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>내보내기(&amp;E)...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>연락처 및 주소록</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard 연락처</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV 표</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON 주소록</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>%1 파일을 읽을 수 없습니다.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>%1 파일을 가져올 수 없습니다. 이 프로그램에서 읽을 수 있는 연락처 또는 주소록 파일이 아닙니다.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>%1 파일을 저장할 수 없습니다. 폴더에 대한 쓰기 권한이 있는지, 디스크 공간이 부족하지 않은지 확인하십시오.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: 배치 %2개, 변경 %3개, 잘림 %4개, 배치 안 됨 %5개.
[확인]을 누르면 표시된 주소록에 반영됩니다. [쓰기]를 누르기 전에는 프린터에 아무것도 전송되지 않습니다.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>파일의 항목(&amp;E):</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>줄</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>번호</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>팩스 번호</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>결과</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>세부 정보</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>발신자</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>수신 거부 %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>배치됨</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>변경됨</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>잘림</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>배치 안 됨</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>이름 “%1”이(가) “%2”(으)로 바뀜</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>이름 “%1”을(를) %2자로 자름</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>팩스 번호 “%1”이(가) “%2”(으)로 바뀜</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>팩스 번호 “%1”을(를) %2자로 자름</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>프린터에 번호 %1이(가) 없음</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>같은 번호가 두 번 지정됨</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>프린터에서 사용할 수 있는 팩스 번호가 없음</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>남은 빈 번호가 없음</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>프린터에서 사용할 수 있는 팩스 번호가 없어 번호를 비워 둠</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>구성원 %1 제외: 프린터에 해당 번호가 없음</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>구성원 %1이(가) 두 번 지정됨</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>열 선택</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>%1의 열을 인식할 수 없습니다. 각 연락처의 이름이 들어 있는 열과 팩스 번호가 들어 있는 열을 선택하십시오.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>이름(&amp;N):</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>팩스 번호(&amp;F):</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
</TS>
