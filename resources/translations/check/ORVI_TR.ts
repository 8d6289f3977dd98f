<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;Kontrol Et...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>Değişiklikleriniz yazıcının faks rehberine bu sorunları getiriyor. Yine de yazmak istiyor musunuz?</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>Görüntülenen faks rehberinde şu sorunlar var:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>Görüntülenen faks rehberinde sorun yok.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>Konum</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>Sorun</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>Gönderen</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>Reddedilen numara %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>%1 üyesi boş bir konum.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>%1 numarası %2 konumlarında bulunuyor.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>Grubun üyesi yok.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>Yazıcı “%1” adını kabul etmiyor.</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>Yazıcı “%1” numarasını kabul etmiyor.</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>%1 numarası reddedilen numaralar arasında bulunuyor: %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>Yalnızca adı veya numarası bu metni içeren kayıtları göster</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>Ad veya numara</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>&amp;Bul:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>Kontrol</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>&amp;Yine de Yaz</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
</TS>
