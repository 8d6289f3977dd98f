<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>Gabungkan dengan Perubahan di Printer</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>Direktori faks di printer telah diubah setelah Anda membacanya. Penggabungan mempertahankan perubahan yang dibuat di printer maupun yang dibuat di sini. Jika keduanya mengubah suatu lokasi secara berbeda, pilih versi mana yang dipertahankan oleh penggabungan.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>&amp;Lokasi yang berubah:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>Ambil Versi &amp;Printer</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>Pakai Versi &amp;Jendela Ini</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;Anggota grup yang dikeluarkan karena penggabungan mengosongkan lokasinya:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>Gabungkan dan Tulis</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>Gabungkan...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>Lokasi</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>Di printer</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>Di jendela ini</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>Berubah</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>Versi yang dipakai</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>Di printer</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>Di jendela ini</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>Sama di keduanya</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>Konflik</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>Versi printer</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>Versi jendela ini</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(kosong)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (grup berisi %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>Pengirim</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>Ditolak %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>Grup %1 kehilangan anggota %2</translation>
    </message>
</context>
</TS>
