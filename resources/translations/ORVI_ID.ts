<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Masukkan nomor faks yang akan dipanggil untuk entri ini.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Masukkan nama entri ini.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Masukkan nama grup.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Entri yang dapat ditambahkan ke grup.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Tambahkan entri yang dipilih ke grup.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Keluarkan anggota yang dipilih dari grup.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Entri yang termasuk dalam grup.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Tulis</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>T&amp;utup</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Baca</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>Ba&amp;ntuan</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Direktori faks</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>&amp;Simpan...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>&amp;Muat...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Printer:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>Pes&amp;an</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Pilih printer, lalu tekan Baca untuk melihat direktori faksnya.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Komunikasi dengan printer gagal. Periksa apakah printer sudah menyala dan terhubung, lalu coba lagi.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Printer sedang sibuk mengerjakan tugas lain. Tunggu hingga tugas tersebut selesai, lalu coba lagi.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Port printer sedang digunakan oleh pengguna lain. Coba lagi setelah pengguna tersebut selesai.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Memori tidak cukup untuk menyelesaikan operasi ini. Tutup program lain, lalu coba lagi.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>File direktori tidak dapat disimpan. Periksa apakah Anda memiliki izin menulis ke folder tersebut dan disk tidak penuh.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Daftar model printer yang didukung (orvkit.dat) tidak dapat dibaca. Silakan instal ulang program.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>File tidak dapat dibaca, atau file tersebut bukan file direktori faks.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Silakan masukkan nomor faks. Entri yang memiliki nama memerlukan nomor faks.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Silakan tambahkan minimal satu anggota. Grup yang memiliki nama memerlukan anggota.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>File direktori ini disimpan untuk model printer lain. Apakah Anda tetap ingin memuatnya?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Anda memilih printer lain, tetapi direktori yang ditampilkan memiliki perubahan yang belum ditulis ke printer. Apakah Anda ingin membuang perubahan tersebut?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Direktori faks di printer telah diubah setelah Anda membacanya. Apakah Anda ingin menimpanya dengan direktori yang ditampilkan di sini?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Ini adalah contoh pesan kesalahan.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Anda memilih printer lain. Apakah Anda ingin menutup direktori yang ditampilkan?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Direktori memiliki perubahan yang belum ditulis ke printer. Apakah Anda ingin membuang perubahan tersebut?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Program sudah berjalan di sesi pengguna lain. Program hanya dapat digunakan oleh satu pengguna pada satu waktu.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Ini adalah contoh pesan informasi.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>Operasi tidak dapat diselesaikan. Periksa apakah printer merupakan model yang didukung, sudah menyala dan terhubung, lalu coba lagi.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Sesi tidak dapat diakhiri selama program sedang sibuk. Silakan tunggu hingga program selesai, lalu coba lagi.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Komputer tidak dapat masuk ke mode siaga selama program berkomunikasi dengan printer. Silakan coba lagi setelah komunikasi selesai.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Direktori faks telah ditulis ke printer.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>id</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Baca direktori faks dari printer yang dipilih.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Pilih bagian direktori yang akan ditampilkan.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Simpan direktori ke file di komputer ini.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Muat direktori dari file di komputer ini.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Tulis direktori yang ditampilkan ke printer.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Entri panggilan cepat pada printer.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Informasi pengirim yang dicetak pada faks yang Anda kirim.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Nomor faks yang faksnya ditolak oleh printer.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Masukkan nama Anda sebagaimana nama tersebut akan tercantum pada faks yang Anda kirim.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Masukkan nomor faks Anda sebagaimana nomor tersebut akan tercantum pada faks yang Anda kirim.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Terapkan informasi pengirim.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Edit entri yang dipilih.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Pilih semua entri.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Hapus entri yang dipilih.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Buat entri dengan satu nomor faks.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Buat grup yang terdiri dari beberapa entri.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Pilih printer yang akan digunakan.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Masukkan nomor faks yang akan ditolak.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Terapkan grup ini.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Lanjutkan dengan jenis yang dipilih.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Terapkan entri ini.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Terapkan nomor ini.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Nomor faks</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Nomor faks</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[Grup]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>Nomor faks</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Panggilan cepat</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Informasi pengirim</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Nomor yang ditolak</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Faks</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Direktori Faks Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Nomor faks</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Nomor faks</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Panggilan cepat: entri panggilan sekali sentuh dan panggilan berkode</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Panggilan cepat: entri panggilan berkode</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Entri panggilan sekali sentuh diberi nomor 01, 02, dan seterusnya.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Entri panggilan berkode diberi nomor *00, *01, dan seterusnya.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Informasi pengirim: nama dan nomor faks yang dicetak pada faks yang Anda kirim</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Nomor yang ditolak: faks dari nomor-nomor ini tidak diterima</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Bahasa...</translation>
    </message>
</context>
</TS>
