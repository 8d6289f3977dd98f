#include <QtTest>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "message_box_answerer.h"
#include "pages/rsu_reception_reject.h"
#include "pages/rsu_tti.h"
#include "resources/resource_ids.h"
#include "retype.h"
#include "test_directory.h"
#include "ui/language_module.h"

using orvane::CRSUReceptionReject;
using orvane::CRSUTTI;
namespace ids = orvane::ids;

// The rejected-number dialog (146) and the sender dialog (147) on their own.
class RejectDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void rejectDialogShowsTheSlotAndTheNumber();
    void rejectNumberTakesTheRejectedNumberCharacters();
    void rejectNumberStopsAtThePrinterLimit();
    void rejectOkReturnsTheNumberTyped_data();
    void rejectOkReturnsTheNumberTyped();
    void rejectCancelReturnsNothing();
    void rejectDialogWithoutDirectoryShowsNothing();
    void senderDialogShowsBothValues();
    void senderNumberTakesTheSenderCharacters();
    void senderEditsStopAtThePrinterLimits();
    void senderOkAcceptsAnyCombination_data();
    void senderOkAcceptsAnyCombination();
    void senderCancelReturnsNothing();
    void everyControlIsNamedInEveryLanguage_data();
    void everyControlIsNamedInEveryLanguage();
    void bothRefuseTheSessionEndAndIgnoreF1();

  private:
    QTemporaryDir folder_;
    template <typename Control>
    static Control* Find(QWidget& dialog, int id) {
        return dialog.findChild<Control*>(QString::number(id));
    }
    static void Press(QWidget& dialog, int id) {
        QTest::mouseClick(Find<QPushButton>(dialog, id), Qt::LeftButton);
    }
};

void RejectDialogsTest::initTestCase() {
    QVERIFY(folder_.isValid());
    // The refusal notice's named object lives in the session folder.
    qputenv("ORVANE_SESSION_DIR", folder_.path().toUtf8());
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

void RejectDialogsTest::rejectDialogShowsTheSlotAndTheNumber() {
    TestShape shape;
    shape.reject_number_length = 12;
    TestDirectory directory(shape);
    QVERIFY(directory.IsValid());
    CRSUReceptionReject dialog(&directory, "03", "0123#", nullptr);
    dialog.show();
    QCOMPARE(dialog.objectName(), QString::number(ids::kIddRejectedNumber));
    QVERIFY(!dialog.windowTitle().isEmpty());
    QCOMPARE(Find<QLabel>(dialog, ids::kIdcRejectSlotId)->text(), QString("03"));
    auto* number = Find<QLineEdit>(dialog, ids::kIdcRejectNumber);
    QCOMPARE(number->text(), QString("0123#"));
    QCOMPARE(number->maxLength(), 12);
    QCOMPARE(number->toolTip(), orvane::LoadString(ids::kIdsRejectNumberTip));
    QCOMPARE(Find<QPushButton>(dialog, ids::kIdOk)->toolTip(), orvane::LoadString(ids::kIdsRejectOkTip));
    QVERIFY(Find<QPushButton>(dialog, ids::kIdOk)->isDefault());
}

void RejectDialogsTest::rejectNumberTakesTheRejectedNumberCharacters() {
    TestDirectory directory;
    CRSUReceptionReject dialog(&directory, "01", "", nullptr);
    dialog.show();
    // A rejected number may start with "*" or "#" and hold spaces; pauses, "T" and "+" are refused.
    Retype(&dialog, ids::kIdcRejectNumber, "*1p2 T3+#");
    QCOMPARE(Find<QLineEdit>(dialog, ids::kIdcRejectNumber)->text(), QString("*12 3#"));
    Retype(&dialog, ids::kIdcRejectNumber, " #9");
    QCOMPARE(Find<QLineEdit>(dialog, ids::kIdcRejectNumber)->text(), QString("#9"));
}

void RejectDialogsTest::rejectNumberStopsAtThePrinterLimit() {
    TestShape shape;
    shape.reject_number_length = 4;
    TestDirectory directory(shape);
    CRSUReceptionReject dialog(&directory, "01", "", nullptr);
    dialog.show();
    Retype(&dialog, ids::kIdcRejectNumber, "123456");
    QCOMPARE(Find<QLineEdit>(dialog, ids::kIdcRejectNumber)->text(), QString("1234"));
}

void RejectDialogsTest::rejectOkReturnsTheNumberTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("a number") << "5551234";
    QTest::newRow("erased") << "";
}

void RejectDialogsTest::rejectOkReturnsTheNumberTyped() {
    QFETCH(QString, typed);
    TestDirectory directory;
    CRSUReceptionReject dialog(&directory, "02", "777", nullptr);
    dialog.show();
    Retype(&dialog, ids::kIdcRejectNumber, typed);
    Press(dialog, ids::kIdOk);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Number(), typed);
}

void RejectDialogsTest::rejectCancelReturnsNothing() {
    TestDirectory directory;
    CRSUReceptionReject dialog(&directory, "02", "777", nullptr);
    dialog.show();
    Retype(&dialog, ids::kIdcRejectNumber, "12");
    Press(dialog, ids::kIdCancel);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(dialog.Number().isEmpty());
}

void RejectDialogsTest::rejectDialogWithoutDirectoryShowsNothing() {
    TestDirectory directory;
    directory.Close();
    CRSUReceptionReject dialog(&directory, "02", "777", nullptr);
    dialog.show();
    QVERIFY(Find<QLabel>(dialog, ids::kIdcRejectSlotId)->text().isEmpty());
    QVERIFY(Find<QLineEdit>(dialog, ids::kIdcRejectNumber)->text().isEmpty());
    QVERIFY(Find<QLineEdit>(dialog, ids::kIdcRejectNumber)->toolTip().isEmpty());
}

void RejectDialogsTest::senderDialogShowsBothValues() {
    TestDirectory directory;
    CRSUTTI dialog(&directory, QString::fromUtf8("Al \xC3\xA9"), "+49 5", nullptr);
    dialog.show();
    QCOMPARE(dialog.objectName(), QString::number(ids::kIddSenderInfo));
    QVERIFY(!dialog.windowTitle().isEmpty());
    QCOMPARE(Find<QLineEdit>(dialog, ids::kIdcSenderName)->text(), QString::fromUtf8("Al \xC3\xA9"));
    QCOMPARE(Find<QLineEdit>(dialog, ids::kIdcSenderNumber)->text(), QString("+49 5"));
    QCOMPARE(Find<QLineEdit>(dialog, ids::kIdcSenderName)->toolTip(),
             orvane::LoadString(ids::kIdsSenderNameTip));
    QCOMPARE(Find<QLineEdit>(dialog, ids::kIdcSenderNumber)->toolTip(),
             orvane::LoadString(ids::kIdsSenderNumberTip));
    QCOMPARE(Find<QPushButton>(dialog, ids::kIdOk)->toolTip(), orvane::LoadString(ids::kIdsSenderOkTip));
}

void RejectDialogsTest::senderNumberTakesTheSenderCharacters() {
    TestDirectory directory;
    CRSUTTI dialog(&directory, "", "", nullptr);
    dialog.show();
    // A sender number is digits, "+" anywhere and inner spaces; "*", "#" and pauses are refused.
    Retype(&dialog, ids::kIdcSenderNumber, "+4*9 #5p+");
    QCOMPARE(Find<QLineEdit>(dialog, ids::kIdcSenderNumber)->text(), QString("+49 5+"));
}

void RejectDialogsTest::senderEditsStopAtThePrinterLimits() {
    TestShape shape;
    shape.user_name_length = 6;
    shape.user_number_length = 5;
    TestDirectory directory(shape);
    CRSUTTI dialog(&directory, "", "", nullptr);
    dialog.show();
    QCOMPARE(Find<QLineEdit>(dialog, ids::kIdcSenderName)->maxLength(), 6);
    QCOMPARE(Find<QLineEdit>(dialog, ids::kIdcSenderNumber)->maxLength(), 5);
    Retype(&dialog, ids::kIdcSenderName, "Abcdefgh");
    Retype(&dialog, ids::kIdcSenderNumber, "12345678");
    QCOMPARE(Find<QLineEdit>(dialog, ids::kIdcSenderName)->text(), QString("Abcdef"));
    QCOMPARE(Find<QLineEdit>(dialog, ids::kIdcSenderNumber)->text(), QString("12345"));
}

void RejectDialogsTest::senderOkAcceptsAnyCombination_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::newRow("both") << "Velor Office"
                          << "+1 555";
    QTest::newRow("name only") << "Velor"
                               << "";
    QTest::newRow("number only") << ""
                                 << "0815";
    QTest::newRow("neither") << ""
                             << "";
}

void RejectDialogsTest::senderOkAcceptsAnyCombination() {
    QFETCH(QString, name);
    QFETCH(QString, number);
    TestDirectory directory;
    CRSUTTI dialog(&directory, "Old", "99", nullptr);
    dialog.show();
    Retype(&dialog, ids::kIdcSenderName, name);
    Retype(&dialog, ids::kIdcSenderNumber, number);
    Press(dialog, ids::kIdOk);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Name(), name);
    QCOMPARE(dialog.Number(), number);
}

void RejectDialogsTest::senderCancelReturnsNothing() {
    TestDirectory directory;
    CRSUTTI dialog(&directory, "Old", "99", nullptr);
    dialog.show();
    Retype(&dialog, ids::kIdcSenderName, "New");
    Press(dialog, ids::kIdCancel);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(dialog.Name().isEmpty() && dialog.Number().isEmpty());
}

void RejectDialogsTest::everyControlIsNamedInEveryLanguage_data() {
    QTest::addColumn<int>("language");
    for (int language : {0x0409, 0x0407, 0x0411, 0x0401}) QTest::addRow("%04x", language) << language;
}

void RejectDialogsTest::everyControlIsNamedInEveryLanguage() {
    QFETCH(int, language);
    QVERIFY(orvane::LoadLanguageModule(static_cast<std::uint16_t>(language), ORVANE_TEST_PROGRAM_DIR));
    TestDirectory directory;
    CRSUReceptionReject reject(&directory, "01", "", nullptr);
    CRSUTTI sender(&directory, "", "", nullptr);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&reject, &sender}) {
        QVERIFY(!dialog->windowTitle().isEmpty());
        // Slot or name, number, OK and Cancel.
        int named = 0;
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            bool numeric = false;
            control->objectName().toInt(&numeric);
            if (!numeric) continue;
            ++named;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY(accessible != nullptr);
            const QString name = accessible->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty() && !name.contains('&'), qPrintable(control->objectName()));
        }
        QCOMPARE(named, 4);
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->buddy() != nullptr) QVERIFY(!label->text().isEmpty());
        }
    }
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

void RejectDialogsTest::bothRefuseTheSessionEndAndIgnoreF1() {
    TestDirectory directory;
    CRSUReceptionReject reject(&directory, "01", "12", nullptr);
    CRSUTTI sender(&directory, "Al", "5", nullptr);
    for (orvane::CRSUEditDialog* dialog : std::initializer_list<orvane::CRSUEditDialog*>{&reject, &sender}) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTest::keyClick(dialog, Qt::Key_F1);
        QVERIFY(dialog->isVisible());
        MessageBoxAnswerer answerer;
        QVERIFY(!dialog->QueryEndSession());
        QTRY_COMPARE(answerer.Texts(), QStringList{orvane::LoadString(ids::kMsgSessionEndRefused)});
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->result(), 0);
        dialog->hide();
    }
}

QTEST_MAIN(RejectDialogsTest)
#include "tst_reject_dialogs.moc"
