<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Orvane Faks Rehberi, sürüm </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>Bir sonraki başlatmadan itibaren dil:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
</TS>
