<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="155.40001">
        <source>Select &amp;All</source>
        <translation>모두 선택(&amp;A)</translation>
    </message>
    <message id="155.40002">
        <source>&amp;Edit...</source>
        <translation>편집(&amp;E)...</translation>
    </message>
    <message id="155.40003">
        <source>&amp;Delete</source>
        <translation>삭제(&amp;D)</translation>
    </message>
    <message id="156.40004">
        <source>&amp;Add</source>
        <translation>추가(&amp;A)</translation>
    </message>
    <message id="157.40005">
        <source>&amp;Remove</source>
        <translation>제거(&amp;R)</translation>
    </message>
    <message id="148.0">
        <source>Entry Type</source>
        <translation>항목 유형</translation>
    </message>
    <message id="148.1026">
        <source>&amp;Individual entry</source>
        <translation>개별 항목(&amp;I)</translation>
    </message>
    <message id="148.1027">
        <source>&amp;Group entry</source>
        <translation>그룹 항목(&amp;G)</translation>
    </message>
    <message id="148.1">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="148.2">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="105.0">
        <source>Individual Entry</source>
        <translation>개별 항목</translation>
    </message>
    <message id="105.106">
        <source>Slot:</source>
        <translation>번호:</translation>
    </message>
    <message id="105.107">
        <source>&amp;Fax number:</source>
        <translation>팩스 번호(&amp;F):</translation>
    </message>
    <message id="105.108">
        <source>&amp;Name:</source>
        <translation>이름(&amp;N):</translation>
    </message>
    <message id="105.1">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="105.2">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message id="109.0">
        <source>Group Entry</source>
        <translation>그룹 항목</translation>
    </message>
    <message id="109.115">
        <source>Slot:</source>
        <translation>번호:</translation>
    </message>
    <message id="109.110">
        <source>Group &amp;name:</source>
        <translation>그룹 이름(&amp;N):</translation>
    </message>
    <message id="109.111">
        <source>&amp;Registered entries:</source>
        <translation>등록된 항목(&amp;R):</translation>
    </message>
    <message id="109.112">
        <source>&amp;Add &gt;&gt;</source>
        <translation>추가(&amp;A) &gt;&gt;</translation>
    </message>
    <message id="109.113">
        <source>&lt;&lt; Re&amp;move</source>
        <translation>&lt;&lt; 제거(&amp;M)</translation>
    </message>
    <message id="109.114">
        <source>&amp;Group members:</source>
        <translation>그룹 구성원(&amp;G):</translation>
    </message>
    <message id="109.1">
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message id="109.2">
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
</TS>
