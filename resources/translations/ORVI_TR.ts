<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>Bu kayıt için aranacak faks numarasını girin.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>Bu kaydın adını girin.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>Grubun adını girin.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>Gruba eklenebilecek kayıtlar.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>Seçili kayıtları gruba ekle.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>Seçili üyeleri gruptan çıkar.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>Gruba ait kayıtlar.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>&amp;Yaz</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;Oku</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>Y&amp;ardım</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>Faks rehberi</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>Kayd&amp;et...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>Yük&amp;le...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>Yazıcı:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>&amp;Mesajlar</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>Faks rehberini görmek için bir yazıcı seçin ve Oku düğmesine basın.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>Yazıcıyla iletişim kurulamadı. Yazıcının açık ve bağlı olduğunu kontrol edip yeniden deneyin.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>Yazıcı başka bir işle meşgul. İş bitene kadar bekleyip yeniden deneyin.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>Yazıcının bağlantı noktası başka bir kullanıcı tarafından kullanılıyor. Bu kullanıcı işini bitirdiğinde yeniden deneyin.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>Bu işlemi tamamlamak için yeterli bellek yok. Diğer programları kapatıp yeniden deneyin.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>Rehber dosyası kaydedilemedi. Klasöre yazma izniniz olduğunu ve diskin dolu olmadığını kontrol edin.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>Desteklenen yazıcı modelleri listesi (orvkit.dat) okunamadı. Lütfen programı yeniden kurun.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>Dosya okunamadı veya bir faks rehberi dosyası değil.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>Lütfen bir faks numarası girin. Adı olan bir kaydın faks numarası olmalıdır.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>Lütfen en az bir üye ekleyin. Adı olan bir grubun üyeleri olmalıdır.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>Bu rehber dosyası başka bir yazıcı modeli için kaydedilmiş. Yine de yüklemek istiyor musunuz?</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Başka bir yazıcı seçtiniz, ancak görüntülenen rehberde yazıcıya yazılmamış değişiklikler var. Bu değişikliklerden vazgeçmek istiyor musunuz?</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>Yazıcıdaki faks rehberi, siz okuduktan sonra değiştirildi. Bu rehberin üzerine burada görüntülenen rehberi yazmak istiyor musunuz?</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>Bu bir hata mesajı örneğidir.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>Başka bir yazıcı seçtiniz. Görüntülenen rehberi kapatmak istiyor musunuz?</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>Rehberde yazıcıya yazılmamış değişiklikler var. Bu değişikliklerden vazgeçmek istiyor musunuz?</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>Program zaten başka bir kullanıcının oturumunda çalışıyor. Program aynı anda yalnızca bir kullanıcı tarafından kullanılabilir.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>Bu bir bilgi mesajı örneğidir.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>İşlem tamamlanamadı. Yazıcının desteklenen bir model olduğunu, açık ve bağlı olduğunu kontrol edip yeniden deneyin.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>Program meşgulken oturum sonlandırılamaz. Lütfen program işini bitirene kadar bekleyip yeniden deneyin.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>Program yazıcıyla iletişim kurarken bilgisayar bekleme moduna geçemez. Lütfen iletişim bittiğinde yeniden deneyin.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>Faks rehberi yazıcıya yazıldı.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>tr</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>Faks rehberini seçili yazıcıdan oku.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>Rehberin hangi bölümünün gösterileceğini seçin.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>Rehberi bu bilgisayardaki bir dosyaya kaydet.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>Bu bilgisayardaki bir dosyadan rehber yükle.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>Görüntülenen rehberi yazıcıya yaz.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>Yazıcının hızlı arama kayıtları.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>Gönderdiğiniz fakslara yazdırılan gönderen bilgileri.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>Yazıcının fakslarını reddettiği faks numaraları.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>Adınızı, gönderdiğiniz fakslarda görünmesini istediğiniz şekilde girin.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>Faks numaranızı, gönderdiğiniz fakslarda görünmesini istediğiniz şekilde girin.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>Gönderen bilgilerini onayla.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>Seçili kaydı düzenle.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>Tüm kayıtları seç.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>Seçili kayıtları sil.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>Tek bir faks numarası içeren bir kayıt oluştur.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>Birden çok kayıttan oluşan bir grup oluştur.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>Çalışılacak yazıcıyı seçin.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>Reddedilecek faks numarasını girin.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>Bu grubu onayla.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>Seçilen türle devam et.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>Bu kaydı onayla.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>Bu numarayı onayla.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>Faks numarası</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>Faks numarası</translation>
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
        <translation>Faks numarası</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>Hızlı arama</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>Gönderen bilgileri</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>Reddedilen numaralar</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>Faks</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>Orvane Faks Rehberi</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>Faks numarası</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>Faks numarası</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>Hızlı arama: tek tuşla arama ve kodlu arama kayıtları</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>Hızlı arama: kodlu arama kayıtları</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>Tek tuşla arama kayıtları 01, 02 vb. olarak numaralandırılır.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>Kodlu arama kayıtları *00, *01 vb. olarak numaralandırılır.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>Gönderen bilgileri: gönderdiğiniz fakslara yazdırılan ad ve faks numarası</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>Reddedilen numaralar: bu numaralardan gelen fakslar alınmaz</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>Dil...</translation>
    </message>
</context>
</TS>
