<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="107">
        <source>Enter the fax number to dial for this entry.</source>
        <translation>أدخل رقم الفاكس الذي يُطلب لهذا الإدخال.</translation>
    </message>
    <message id="108">
        <source>Enter the name of this entry.</source>
        <translation>أدخل اسم هذا الإدخال.</translation>
    </message>
    <message id="110">
        <source>Enter the name of the group.</source>
        <translation>أدخل اسم المجموعة.</translation>
    </message>
    <message id="111">
        <source>Entries that can be added to the group.</source>
        <translation>الإدخالات التي يمكن إضافتها إلى المجموعة.</translation>
    </message>
    <message id="112">
        <source>Add the selected entries to the group.</source>
        <translation>إضافة الإدخالات المحددة إلى المجموعة.</translation>
    </message>
    <message id="113">
        <source>Remove the selected members from the group.</source>
        <translation>إزالة الأعضاء المحددين من المجموعة.</translation>
    </message>
    <message id="114">
        <source>Entries that belong to the group.</source>
        <translation>الإدخالات التي تنتمي إلى المجموعة.</translation>
    </message>
    <message id="142.1">
        <source>&amp;Write</source>
        <translation>كتا&amp;بة</translation>
    </message>
    <message id="142.2">
        <source>&amp;Close</source>
        <translation>&amp;إغلاق</translation>
    </message>
    <message id="142.1001">
        <source>&amp;Read</source>
        <translation>&amp;قراءة</translation>
    </message>
    <message id="142.1002">
        <source>&amp;Help</source>
        <translation>ت&amp;عليمات</translation>
    </message>
    <message id="142.1004">
        <source>Fax directory</source>
        <translation>دليل الفاكس</translation>
    </message>
    <message id="142.1005">
        <source>Sa&amp;ve...</source>
        <translation>ح&amp;فظ...</translation>
    </message>
    <message id="142.1006">
        <source>L&amp;oad...</source>
        <translation>تح&amp;ميل...</translation>
    </message>
    <message id="142.1028">
        <source>Printer:</source>
        <translation>الطابعة:</translation>
    </message>
    <message id="142.1065">
        <source>&amp;Messages</source>
        <translation>ال&amp;رسائل</translation>
    </message>
    <message id="142.1066">
        <source>Choose a printer and press Read to see its fax directory.</source>
        <translation>اختر طابعة، ثم انقر فوق «قراءة» لعرض دليل الفاكس الخاص بها.</translation>
    </message>
    <message id="159">
        <source>Communication with the printer failed. Check that the printer is switched on and connected, then try again.</source>
        <translation>فشل الاتصال بالطابعة. يرجى التأكد من أن الطابعة قيد التشغيل ومتصلة، ثم المحاولة مرة أخرى.</translation>
    </message>
    <message id="160">
        <source>The printer is busy with another job. Wait until it has finished, then try again.</source>
        <translation>الطابعة مشغولة بمهمة أخرى. يرجى الانتظار حتى تنتهي، ثم المحاولة مرة أخرى.</translation>
    </message>
    <message id="161">
        <source>The printer's port is in use by another user. Try again when that user has finished.</source>
        <translation>منفذ الطابعة قيد الاستخدام من قبل مستخدم آخر. يرجى المحاولة مرة أخرى عندما ينتهي ذلك المستخدم.</translation>
    </message>
    <message id="162">
        <source>There is not enough memory to complete this operation. Close other programs and try again.</source>
        <translation>لا توجد ذاكرة كافية لإكمال هذه العملية. يرجى إغلاق البرامج الأخرى، ثم المحاولة مرة أخرى.</translation>
    </message>
    <message id="163">
        <source>The directory file could not be saved. Check that you have permission to write to the folder and that the disk is not full.</source>
        <translation>تعذر حفظ ملف الدليل. يرجى التأكد من أن لديك إذن الكتابة في المجلد وأن القرص غير ممتلئ.</translation>
    </message>
    <message id="164">
        <source>The list of supported printer models (orvkit.dat) could not be read. Please install the program again.</source>
        <translation>تعذرت قراءة قائمة طرازات الطابعات المدعومة (orvkit.dat). يرجى إعادة تثبيت البرنامج.</translation>
    </message>
    <message id="165">
        <source>The file could not be read, or it is not a fax directory file.</source>
        <translation>تعذرت قراءة الملف، أو أنه ليس ملف دليل فاكس.</translation>
    </message>
    <message id="166">
        <source>Please enter a fax number. An entry with a name needs a fax number.</source>
        <translation>يرجى إدخال رقم فاكس. الإدخال الذي له اسم يحتاج إلى رقم فاكس.</translation>
    </message>
    <message id="167">
        <source>Please add at least one member. A group with a name needs members.</source>
        <translation>يرجى إضافة عضو واحد على الأقل. المجموعة التي لها اسم تحتاج إلى أعضاء.</translation>
    </message>
    <message id="168">
        <source>This directory file was saved for another printer model. Do you want to load it anyway?</source>
        <translation>تم حفظ ملف الدليل هذا لطراز طابعة آخر. هل تريد تحميله على أي حال؟</translation>
    </message>
    <message id="169">
        <source>You chose another printer, but the directory shown has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>لقد اخترت طابعة أخرى، لكن الدليل المعروض يحتوي على تغييرات لم تُكتب في الطابعة. هل تريد تجاهل هذه التغييرات؟</translation>
    </message>
    <message id="170">
        <source>The fax directory in the printer was changed after you read it. Do you want to overwrite it with the directory shown here?</source>
        <translation>تم تغيير دليل الفاكس في الطابعة بعد قراءته. هل تريد الكتابة فوقه بالدليل المعروض هنا؟</translation>
    </message>
    <message id="174">
        <source>This is an example of an error message.</source>
        <translation>هذا مثال على رسالة خطأ.</translation>
    </message>
    <message id="175">
        <source>You chose another printer. Do you want to close the directory that is shown?</source>
        <translation>لقد اخترت طابعة أخرى. هل تريد إغلاق الدليل المعروض؟</translation>
    </message>
    <message id="176">
        <source>The directory has changes that were not written to the printer. Do you want to discard them?</source>
        <translation>يحتوي الدليل على تغييرات لم تُكتب في الطابعة. هل تريد تجاهل هذه التغييرات؟</translation>
    </message>
    <message id="177">
        <source>The program is already running in another user's session. Only one user can use it at a time.</source>
        <translation>البرنامج قيد التشغيل بالفعل في جلسة مستخدم آخر. يمكن لمستخدم واحد فقط استخدامه في كل مرة.</translation>
    </message>
    <message id="179">
        <source>This is an example of an information message.</source>
        <translation>هذا مثال على رسالة معلومات.</translation>
    </message>
    <message id="180">
        <source>The operation could not be completed. Check that the printer is a supported model, that it is switched on and connected, then try again.</source>
        <translation>تعذر إكمال العملية. يرجى التأكد من أن الطابعة من طراز مدعوم وأنها قيد التشغيل ومتصلة، ثم المحاولة مرة أخرى.</translation>
    </message>
    <message id="182">
        <source>The session cannot end while the program is busy. Please wait until it has finished, then try again.</source>
        <translation>لا يمكن إنهاء الجلسة أثناء انشغال البرنامج. يرجى الانتظار حتى ينتهي، ثم حاول مرة أخرى.</translation>
    </message>
    <message id="183">
        <source>The computer cannot go to standby while the program is communicating with the printer. Please try again when it has finished.</source>
        <translation>لا يمكن للكمبيوتر الدخول في وضع الاستعداد أثناء اتصال البرنامج بالطابعة. يرجى المحاولة مرة أخرى عند انتهائه.</translation>
    </message>
    <message id="184">
        <source>The fax directory was written to the printer.</source>
        <translation>تمت كتابة دليل الفاكس في الطابعة.</translation>
    </message>
    <message id="186">
        <source>en</source>
        <translation>ar</translation>
    </message>
    <message id="1001">
        <source>Read the fax directory from the selected printer.</source>
        <translation>قراءة دليل الفاكس من الطابعة المحددة.</translation>
    </message>
    <message id="1003">
        <source>Choose which part of the directory to show.</source>
        <translation>اختر جزء الدليل المراد عرضه.</translation>
    </message>
    <message id="1005">
        <source>Save the directory to a file on this computer.</source>
        <translation>حفظ الدليل في ملف على هذا الكمبيوتر.</translation>
    </message>
    <message id="1006">
        <source>Load a directory from a file on this computer.</source>
        <translation>تحميل دليل من ملف على هذا الكمبيوتر.</translation>
    </message>
    <message id="1007">
        <source>Write the directory shown to the printer.</source>
        <translation>كتابة الدليل المعروض في الطابعة.</translation>
    </message>
    <message id="1012">
        <source>The printer's speed-dial entries.</source>
        <translation>إدخالات الطلب السريع في الطابعة.</translation>
    </message>
    <message id="1013">
        <source>The sender information printed on the faxes you send.</source>
        <translation>معلومات المرسل المطبوعة على الفاكسات التي ترسلها.</translation>
    </message>
    <message id="1014">
        <source>Fax numbers whose faxes the printer rejects.</source>
        <translation>أرقام الفاكس التي ترفض الطابعة استقبال الفاكسات منها.</translation>
    </message>
    <message id="1015">
        <source>Enter your name as it should appear on the faxes you send.</source>
        <translation>أدخل اسمك كما يجب أن يظهر على الفاكسات التي ترسلها.</translation>
    </message>
    <message id="1016">
        <source>Enter your fax number as it should appear on the faxes you send.</source>
        <translation>أدخل رقم الفاكس الخاص بك كما يجب أن يظهر على الفاكسات التي ترسلها.</translation>
    </message>
    <message id="1017">
        <source>Keep the sender information.</source>
        <translation>تأكيد معلومات المرسل.</translation>
    </message>
    <message id="1019">
        <source>Edit the selected entry.</source>
        <translation>تحرير الإدخال المحدد.</translation>
    </message>
    <message id="1020">
        <source>Select all entries.</source>
        <translation>تحديد كل الإدخالات.</translation>
    </message>
    <message id="1021">
        <source>Delete the selected entries.</source>
        <translation>حذف الإدخالات المحددة.</translation>
    </message>
    <message id="1026">
        <source>Create an entry with one fax number.</source>
        <translation>إنشاء إدخال برقم فاكس واحد.</translation>
    </message>
    <message id="1027">
        <source>Create a group of several entries.</source>
        <translation>إنشاء مجموعة من عدة إدخالات.</translation>
    </message>
    <message id="1028">
        <source>Choose the printer to work with.</source>
        <translation>اختر الطابعة التي تريد العمل عليها.</translation>
    </message>
    <message id="1033">
        <source>Enter the fax number to reject.</source>
        <translation>أدخل رقم الفاكس المراد رفضه.</translation>
    </message>
    <message id="1034">
        <source>Keep this group.</source>
        <translation>تأكيد هذه المجموعة.</translation>
    </message>
    <message id="1035">
        <source>Continue with the chosen type.</source>
        <translation>المتابعة بالنوع المختار.</translation>
    </message>
    <message id="1036">
        <source>Keep this entry.</source>
        <translation>تأكيد هذا الإدخال.</translation>
    </message>
    <message id="1037">
        <source>Keep this number.</source>
        <translation>تأكيد هذا الرقم.</translation>
    </message>
    <message id="1038">
        <source>No.</source>
        <translation>الرقم</translation>
    </message>
    <message id="1039">
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message id="1040">
        <source>Fax number</source>
        <translation>رقم الفاكس</translation>
    </message>
    <message id="1041">
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message id="1042">
        <source>Fax number</source>
        <translation>رقم الفاكس</translation>
    </message>
    <message id="1043">
        <source>[Group]</source>
        <translation>[مجموعة]</translation>
    </message>
    <message id="1044">
        <source>No.</source>
        <translation>الرقم</translation>
    </message>
    <message id="1045">
        <source>Fax number</source>
        <translation>رقم الفاكس</translation>
    </message>
    <message id="1046">
        <source>Speed dial</source>
        <translation>الطلب السريع</translation>
    </message>
    <message id="1047">
        <source>Sender information</source>
        <translation>معلومات المرسل</translation>
    </message>
    <message id="1048">
        <source>Rejected numbers</source>
        <translation>الأرقام المرفوضة</translation>
    </message>
    <message id="1049">
        <source>Fax</source>
        <translation>الفاكس</translation>
    </message>
    <message id="1050">
        <source>Orvane Fax Directory</source>
        <translation>دليل فاكس Orvane</translation>
    </message>
    <message id="1051">
        <source>No.</source>
        <translation>الرقم</translation>
    </message>
    <message id="1052">
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message id="1053">
        <source>Fax number</source>
        <translation>رقم الفاكس</translation>
    </message>
    <message id="1054">
        <source>No.</source>
        <translation>الرقم</translation>
    </message>
    <message id="1055">
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message id="1056">
        <source>Fax number</source>
        <translation>رقم الفاكس</translation>
    </message>
    <message id="1057">
        <source>Speed dial: one-touch and coded dial entries</source>
        <translation>الطلب السريع: إدخالات الطلب بلمسة واحدة والطلب المرمّز</translation>
    </message>
    <message id="1058">
        <source>Speed dial: coded dial entries</source>
        <translation>الطلب السريع: إدخالات الطلب المرمّز</translation>
    </message>
    <message id="1059">
        <source>One-touch dial entries are numbered 01, 02 and so on.</source>
        <translation>إدخالات الطلب بلمسة واحدة مرقمة 01 و02 وهكذا.</translation>
    </message>
    <message id="1060">
        <source>Coded dial entries are numbered *00, *01 and so on.</source>
        <translation>إدخالات الطلب المرمّز مرقمة ‎*00 و‎*01 وهكذا.</translation>
    </message>
    <message id="1061">
        <source>Sender information: the name and fax number printed on the faxes you send</source>
        <translation>معلومات المرسل: الاسم ورقم الفاكس المطبوعان على الفاكسات التي ترسلها</translation>
    </message>
    <message id="1062">
        <source>Rejected numbers: faxes from these numbers are not received</source>
        <translation>الأرقام المرفوضة: لا يتم استقبال الفاكسات من هذه الأرقام</translation>
    </message>
    <message id="1063">
        <source>Language...</source>
        <translation>اللغة...</translation>
    </message>
</context>
</TS>
