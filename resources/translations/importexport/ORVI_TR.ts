<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>Diğer</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>Görüntülenen rehber için diğer komutlar: adres defteri içe aktarma, rehberi dışa aktarma</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;İçe Aktar...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;Dışa Aktar...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>Adres defterleri ve rehberler</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>vCard adres defteri</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>CSV tablosu</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>JSON rehberi</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>%1 dosyası okunamadı.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>%1 dosyası içe aktarılamıyor: bu programın okuyabildiği bir adres defteri veya rehber değil.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>%1 dosyası kaydedilemedi. Klasöre yazma izniniz olduğunu ve diskin dolu olmadığını kontrol edin.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>İçe Aktar</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: %2 yerleştirildi, %3 değiştirildi, %4 kısaltıldı, %5 yerleştirilemedi.
Tamam düğmesi bunları görüntülenen rehbere alır; siz Yaz düğmesine basmadan yazıcıya hiçbir şey gönderilmez.</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;Dosyadaki kayıtlar:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>Satır</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>Konum</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>Faks numarası</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>Gönderen</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>Reddedilen numara %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>Yerleştirildi</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>Değiştirildi</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>Kısaltıldı</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>Yerleştirilemedi</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>“%1” adı “%2” oldu</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>“%1” adı %2 karaktere kısaltıldı</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>“%1” numarası “%2” oldu</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>“%1” numarası %2 karaktere kısaltıldı</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>yazıcıda %1 konumu yok</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>konum iki kez belirtilmiş</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>yazıcının kabul ettiği bir numara yok</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>boş konum kalmadı</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>yazıcının kabul ettiği bir numara yok; konum boş bırakıldı</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>%1 üyesi atlandı: yazıcıda böyle bir konum yok</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>%1 üyesi iki kez belirtilmiş</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>Sütunları Seç</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>%1 dosyasının sütunları tanınamadı. Her kişinin adını içeren sütunu ve faks numarasını içeren sütunu seçin.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>&amp;Ad:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>&amp;Faks numarası:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
</TS>
