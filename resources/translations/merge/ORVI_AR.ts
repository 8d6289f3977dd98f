<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="200.0">
        <source>Merge with the Printer's Changes</source>
        <translation>الدمج مع تغييرات الطابعة</translation>
    </message>
    <message id="200.20050">
        <source>The fax directory in the printer was changed after you read it. The merge keeps the changes made on the printer and those made here. Where both changed a slot differently, choose which side the merge keeps.</source>
        <translation>تم تغيير دليل الفاكس في الطابعة بعد قراءته. يحتفظ الدمج بالتغييرات التي أُجريت في الطابعة وبالتغييرات التي أُجريت هنا. وعندما يغيّر الطرفان موضعًا ما بشكل مختلف، يرجى اختيار الطرف الذي يحتفظ به الدمج.</translation>
    </message>
    <message id="200.20051">
        <source>&amp;Changed slots:</source>
        <translation>ال&amp;مواضع المتغيرة:</translation>
    </message>
    <message id="200.20052">
        <source>Take the &amp;Printer's</source>
        <translation>اعتماد نسخة ال&amp;طابعة</translation>
    </message>
    <message id="200.20053">
        <source>Keep &amp;This Window's</source>
        <translation>إبقاء نسخة ال&amp;نافذة</translation>
    </message>
    <message id="200.20054">
        <source>&amp;Group members dropped because the merge empties their slots:</source>
        <translation>&amp;أعضاء المجموعات المحذوفون لأن الدمج يُفرغ مواضعهم:</translation>
    </message>
    <message id="200.20055">
        <source>Merge and Write</source>
        <translation>الدمج والكتابة</translation>
    </message>
    <message id="200.20056">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="20000">
        <source>Merge...</source>
        <translation>دمج...</translation>
    </message>
    <message id="20001">
        <source>Slot</source>
        <translation>الموضع</translation>
    </message>
    <message id="20002">
        <source>On the printer</source>
        <translation>في الطابعة</translation>
    </message>
    <message id="20003">
        <source>In this window</source>
        <translation>في هذه النافذة</translation>
    </message>
    <message id="20004">
        <source>Changed</source>
        <translation>التغيير</translation>
    </message>
    <message id="20005">
        <source>Merge takes</source>
        <translation>ما يعتمده الدمج</translation>
    </message>
    <message id="20006">
        <source>On the printer</source>
        <translation>في الطابعة</translation>
    </message>
    <message id="20007">
        <source>In this window</source>
        <translation>في هذه النافذة</translation>
    </message>
    <message id="20008">
        <source>On both alike</source>
        <translation>متطابق في الطرفين</translation>
    </message>
    <message id="20009">
        <source>Conflict</source>
        <translation>تعارض</translation>
    </message>
    <message id="20010">
        <source>The printer's</source>
        <translation>نسخة الطابعة</translation>
    </message>
    <message id="20011">
        <source>This window's</source>
        <translation>نسخة هذه النافذة</translation>
    </message>
    <message id="20012">
        <source>(empty)</source>
        <translation>(فارغ)</translation>
    </message>
    <message id="20013">
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message id="20014">
        <source>%1 (group of %2)</source>
        <translation>%1 (مجموعة من %2)</translation>
    </message>
    <message id="20015">
        <source>Sender</source>
        <translation>المرسل</translation>
    </message>
    <message id="20016">
        <source>Rejected %1</source>
        <translation>مرفوض %1</translation>
    </message>
    <message id="20017">
        <source>Group %1 loses member %2</source>
        <translation>المجموعة %1 تفقد العضو %2</translation>
    </message>
</context>
</TS>
