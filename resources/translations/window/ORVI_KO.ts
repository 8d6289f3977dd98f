<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="144.1019">
        <source>&amp;Edit...</source>
        <translation>편집(&amp;E)...</translation>
    </message>
    <message id="144.1020">
        <source>Select &amp;All</source>
        <translation>모두 선택(&amp;A)</translation>
    </message>
    <message id="144.1021">
        <source>&amp;Delete</source>
        <translation>삭제(&amp;D)</translation>
    </message>
    <message id="143.1008">
        <source>&amp;Edit...</source>
        <translation>편집(&amp;E)...</translation>
    </message>
    <message id="143.1009">
        <source>Select &amp;All</source>
        <translation>모두 선택(&amp;A)</translation>
    </message>
    <message id="143.1010">
        <source>&amp;Delete</source>
        <translation>삭제(&amp;D)</translation>
    </message>
    <message id="145.1022">
        <source>&amp;Edit...</source>
        <translation>편집(&amp;E)...</translation>
    </message>
    <message id="145.1023">
        <source>Select &amp;All</source>
        <translation>모두 선택(&amp;A)</translation>
    </message>
    <message id="145.1024">
        <source>&amp;Delete</source>
        <translation>삭제(&amp;D)</translation>
    </message>
    <message id="181.-1">
        <source>Communicating with the printer. Please wait...</source>
        <translation>프린터와 통신하고 있습니다. 잠시 기다려 주십시오...</translation>
    </message>
</context>
</TS>
