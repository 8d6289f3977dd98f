<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>&amp;فحص...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>تُدخل تغييراتك هذه المشكلات إلى دليل الفاكس في الطابعة. هل تريد الكتابة على أي حال؟</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>يحتوي دليل الفاكس المعروض على المشكلات التالية:</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>لا يحتوي دليل الفاكس المعروض على أي مشكلات.</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>الموضع</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>المشكلة</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>المرسل</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>مرفوض %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>العضو %1 موضع فارغ.</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>الرقم %1 موجود في المواضع %2.</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>المجموعة ليس لها أعضاء.</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>لا تقبل الطابعة الاسم «%1».</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>لا تقبل الطابعة الرقم «%1».</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>الرقم %1 موجود في الأرقام المرفوضة %2.</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>يعرض فقط الإدخالات التي يحتوي اسمها أو رقمها على هذا النص</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>الاسم أو الرقم</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>بح&amp;ث:</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>فحص</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>ال&amp;كتابة على أي حال</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
</TS>
