<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="146.0">
        <source>Rejected Number</source>
        <translation>수신 거부 번호</translation>
    </message>
    <message id="146.-1">
        <source>No.:</source>
        <translation>번호:</translation>
    </message>
    <message id="146.1033">
        <source>&amp;Fax number:</source>
        <translation>팩스 번호(&amp;F):</translation>
    </message>
    <message id="146.1">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="146.2">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="147.0">
        <source>Sender Information</source>
        <translation>발신자 정보</translation>
    </message>
    <message id="147.1015">
        <source>&amp;Name:</source>
        <translation>이름(&amp;N):</translation>
    </message>
    <message id="147.1016">
        <source>&amp;Fax number:</source>
        <translation>팩스 번호(&amp;F):</translation>
    </message>
    <message id="147.1">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="147.2">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
</TS>
