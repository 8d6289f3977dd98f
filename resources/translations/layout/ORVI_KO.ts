<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Orvane 팩스 주소록, 버전 </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>다음 시작 시 사용할 언어:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
</TS>
