<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>프린터의 변경 내용과 병합</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>주소록을 읽은 후에 프린터의 팩스 주소록이 변경되었습니다. 병합하면 프린터에서 변경한 내용과 여기에서 변경한 내용이 모두 유지됩니다. 양쪽에서 같은 번호를 서로 다르게 변경한 경우에는 병합할 때 유지할 쪽을 선택하십시오.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>변경된 번호(&amp;C):</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>프린터 쪽 사용(&amp;P)</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>이 창 쪽 유지(&amp;T)</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>병합으로 번호가 비워져 제외되는 그룹 구성원(&amp;G):</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>병합 후 쓰기</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>병합...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>번호</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>프린터의 내용</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>이 창의 내용</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>변경된 곳</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>병합 시 사용</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>프린터</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>이 창</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>양쪽 동일</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>충돌</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>프린터 쪽</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>이 창 쪽</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(비어 있음)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1(그룹: %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>발신자</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>수신 거부 %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>그룹 %1에서 구성원 %2 제외</translation>
    </message>
</context>
</TS>
