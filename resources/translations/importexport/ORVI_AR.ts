<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="142.20103">
        <source>More</source>
        <translation>المزيد</translation>
    </message>
    <message id="20103">
        <source>More commands for the directory shown: import an address book, export the directory</source>
        <translation>أوامر إضافية للدليل المعروض: استيراد دفتر عناوين، وتصدير الدليل</translation>
    </message>
    <message id="20100.20101">
        <source>&amp;Import...</source>
        <translation>&amp;استيراد...</translation>
    </message>
    <message id="20100.20102">
        <source>&amp;Export...</source>
        <translation>&amp;تصدير...</translation>
    </message>
    <message id="20110">
        <source>Address books and directories</source>
        <translation>دفاتر العناوين والأدلة</translation>
    </message>
    <message id="20111">
        <source>vCard address book</source>
        <translation>دفتر عناوين vCard</translation>
    </message>
    <message id="20112">
        <source>CSV table</source>
        <translation>جدول CSV</translation>
    </message>
    <message id="20113">
        <source>JSON directory</source>
        <translation>دليل JSON</translation>
    </message>
    <message id="20120">
        <source>The file %1 could not be read.</source>
        <translation>تعذرت قراءة الملف %1.</translation>
    </message>
    <message id="20121">
        <source>The file %1 cannot be imported: it is not an address book or directory this program reads.
%2</source>
        <translation>تعذر استيراد الملف %1: فهو ليس دفتر عناوين أو دليلًا يقرؤه هذا البرنامج.
%2</translation>
    </message>
    <message id="20122">
        <source>The file %1 could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>تعذر حفظ الملف %1. يرجى التأكد من أن لديك إذن الكتابة في المجلد وأن القرص غير ممتلئ.</translation>
    </message>
    <message id="201.0">
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message id="201.20130">
        <source>%1: %2 placed, %3 changed, %4 cut, %5 not placed.
OK takes them into the directory shown; nothing reaches the printer before you press Write.</source>
        <translation>%1: أُضيف %2، وغُيّر %3، واقتُطع %4، ولم يُضف %5.
عند النقر فوق «موافق» تُضاف إلى الدليل المعروض؛ ولن يصل أي شيء إلى الطابعة قبل أن تنقر فوق «كتابة».</translation>
    </message>
    <message id="201.20131">
        <source>&amp;Entries of the file:</source>
        <translation>&amp;إدخالات الملف:</translation>
    </message>
    <message id="201.1">
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message id="201.2">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="20132">
        <source>Line</source>
        <translation>السطر</translation>
    </message>
    <message id="20133">
        <source>Slot</source>
        <translation>الموضع</translation>
    </message>
    <message id="20134">
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message id="20135">
        <source>Fax number</source>
        <translation>رقم الفاكس</translation>
    </message>
    <message id="20136">
        <source>Result</source>
        <translation>النتيجة</translation>
    </message>
    <message id="20137">
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message id="20138">
        <source>Sender</source>
        <translation>المرسل</translation>
    </message>
    <message id="20139">
        <source>Rejected %1</source>
        <translation>مرفوض %1</translation>
    </message>
    <message id="20140">
        <source>Placed</source>
        <translation>أُضيف</translation>
    </message>
    <message id="20141">
        <source>Changed</source>
        <translation>غُيّر</translation>
    </message>
    <message id="20142">
        <source>Cut</source>
        <translation>اقتُطع</translation>
    </message>
    <message id="20143">
        <source>Not placed</source>
        <translation>لم يُضف</translation>
    </message>
    <message id="20150">
        <source>name &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>الاسم «%1» أصبح «%2»</translation>
    </message>
    <message id="20151">
        <source>name &quot;%1&quot; cut to %2 characters</source>
        <translation>اقتُطع الاسم «%1» إلى %2 من الأحرف</translation>
    </message>
    <message id="20152">
        <source>number &quot;%1&quot; became &quot;%2&quot;</source>
        <translation>الرقم «%1» أصبح «%2»</translation>
    </message>
    <message id="20153">
        <source>number &quot;%1&quot; cut to %2 characters</source>
        <translation>اقتُطع الرقم «%1» إلى %2 من الأحرف</translation>
    </message>
    <message id="20154">
        <source>the printer has no slot %1</source>
        <translation>لا يوجد في الطابعة الموضع %1</translation>
    </message>
    <message id="20155">
        <source>the slot is named twice</source>
        <translation>الموضع مذكور مرتين</translation>
    </message>
    <message id="20156">
        <source>no number the printer accepts</source>
        <translation>لا يوجد رقم تقبله الطابعة</translation>
    </message>
    <message id="20157">
        <source>no free slot is left</source>
        <translation>لم يتبقَّ أي موضع فارغ</translation>
    </message>
    <message id="20158">
        <source>no number the printer accepts; the slot is left empty</source>
        <translation>لا يوجد رقم تقبله الطابعة؛ تُرك الموضع فارغًا</translation>
    </message>
    <message id="20159">
        <source>member %1 left out: the printer has no such slot</source>
        <translation>استُبعد العضو %1: لا يوجد هذا الموضع في الطابعة</translation>
    </message>
    <message id="20160">
        <source>member %1 is named twice</source>
        <translation>العضو %1 مذكور مرتين</translation>
    </message>
    <message id="202.0">
        <source>Choose Columns</source>
        <translation>اختيار الأعمدة</translation>
    </message>
    <message id="202.20170">
        <source>The columns of %1 are not recognised. Choose the column that holds each contact's name and the one that holds the fax number.</source>
        <translation>لم يتم التعرف على أعمدة %1. يرجى اختيار العمود الذي يحتوي على اسم كل جهة اتصال والعمود الذي يحتوي على رقم الفاكس.</translation>
    </message>
    <message id="202.20171">
        <source>&amp;Name:</source>
        <translation>الا&amp;سم:</translation>
    </message>
    <message id="202.20172">
        <source>&amp;Fax number:</source>
        <translation>رقم ال&amp;فاكس:</translation>
    </message>
    <message id="202.1">
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message id="202.2">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
</TS>
