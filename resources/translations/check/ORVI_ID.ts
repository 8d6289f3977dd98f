<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Periksa...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Perubahan Anda menimbulkan masalah berikut pada direktori faks di printer. Apakah Anda tetap ingin menulisnya?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Direktori faks yang ditampilkan memiliki masalah berikut:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Direktori faks yang ditampilkan tidak memiliki masalah.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Lokasi</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Masalah</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Pengirim</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Ditolak %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>Anggota %1 adalah lokasi yang kosong.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>Nomor %1 terdapat di lokasi %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Grup tidak memiliki anggota.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Printer tidak menerima nama “%1”.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Printer tidak menerima nomor “%1”.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>Nomor %1 terdapat di nomor yang ditolak %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Hanya menampilkan entri yang nama atau nomornya mengandung teks ini</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Nama atau nomor</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>&amp;Cari:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Periksa</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Tetap Tulis</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
</TS>
