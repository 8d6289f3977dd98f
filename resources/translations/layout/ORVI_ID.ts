<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="173.1064">
        <source>Orvane Fax Directory, version </source>
        <translation>Direktori Faks Orvane, versi </translation>
    </message>
    <message id="173.-1">
        <source>Language from the next start:</source>
        <translation>Bahasa mulai saat program dijalankan berikutnya:</translation>
    </message>
    <message id="173.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="173.2">
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
</TS>
