<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Lainnya</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Perintah lainnya untuk direktori yang ditampilkan: impor buku alamat, ekspor direktori</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;Impor...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Ekspor...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Buku alamat dan direktori</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>Buku alamat vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>Tabel CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>Direktori JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>File %1 tidak dapat dibaca.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>File %1 tidak dapat diimpor: file tersebut bukan buku alamat atau direktori yang dapat dibaca oleh program ini.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>File %1 tidak dapat disimpan. Periksa apakah Anda memiliki izin menulis ke folder tersebut dan disk tidak penuh.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>Impor</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: %2 ditempatkan, %3 diubah, %4 dipotong, %5 tidak ditempatkan.
OK akan memasukkannya ke direktori yang ditampilkan; tidak ada yang dikirim ke printer sebelum Anda menekan Tulis.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Entri dalam file:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Baris</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Lokasi</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Nomor faks</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Hasil</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Detail</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Pengirim</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Ditolak %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Ditempatkan</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Diubah</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Dipotong</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Tidak ditempatkan</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>nama “%1” menjadi “%2”</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>nama “%1” dipotong menjadi %2 karakter</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>nomor “%1” menjadi “%2”</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>nomor “%1” dipotong menjadi %2 karakter</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>printer tidak memiliki lokasi %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>lokasi disebutkan dua kali</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>tidak ada nomor yang diterima printer</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>tidak ada lokasi kosong yang tersisa</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>tidak ada nomor yang diterima printer; lokasi dibiarkan kosong</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>anggota %1 dilewati: printer tidak memiliki lokasi tersebut</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>anggota %1 disebutkan dua kali</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Pilih Kolom</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>Kolom dalam %1 tidak dikenali. Pilih kolom yang berisi nama setiap kontak dan kolom yang berisi nomor faks.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Nama:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>Nomor &amp;faks:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
</TS>
