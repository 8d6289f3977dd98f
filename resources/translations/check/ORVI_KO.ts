<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>검사(&amp;C)...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>변경 내용으로 인해 프린터의 팩스 주소록에 다음 문제가 생깁니다. 그래도 쓰시겠습니까?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>표시된 팩스 주소록에 다음 문제가 있습니다:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>표시된 팩스 주소록에 문제가 없습니다.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>번호</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>문제</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>발신자</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>수신 거부 %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>구성원 %1은(는) 빈 번호입니다.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>팩스 번호 %1이(가) 번호 %2에 있습니다.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>그룹에 구성원이 없습니다.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>프린터에서 이름 “%1”을(를) 사용할 수 없습니다.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>프린터에서 팩스 번호 “%1”을(를) 사용할 수 없습니다.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>팩스 번호 %1이(가) 수신 거부 번호 %2에 있습니다.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>이름 또는 번호에 이 텍스트가 포함된 항목만 표시합니다</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>이름 또는 번호</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>찾기(&amp;F):</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>검사</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>그래도 쓰기(&amp;W)</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
</TS>
