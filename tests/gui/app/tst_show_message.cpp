#include <QtTest>

#include "message_box_watcher.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "ui/language_module.h"
#include "ui/show_message.h"

using orvane::MessageStyle;

// Message boxes on real language modules, with the language setting in a temporary folder.
class ShowMessageTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void stylesGiveIconsAndButtons_data();
    void stylesGiveIconsAndButtons();
    void rightToLeftOnlyForArabic_data();
    void rightToLeftOnlyForArabic();
    void everyModuleHoldsEveryString_data();
    void everyModuleHoldsEveryString();

  private:
    void SetLanguage(const QString& language);

    QTemporaryDir folder_;
};

void ShowMessageTest::initTestCase() {
    QVERIFY(folder_.isValid());
    UseSettingsFolder(folder_);
}

void ShowMessageTest::init() {
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

void ShowMessageTest::SetLanguage(const QString& language) {
    QSettings user(UserSettingsFile(folder_), QSettings::IniFormat);
    user.setValue("Language", language);
    user.sync();
}

void ShowMessageTest::stylesGiveIconsAndButtons_data() {
    QTest::addColumn<int>("messageId");
    QTest::addColumn<MessageStyle>("style");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    const int ok = QMessageBox::Ok;
    const int ok_cancel = QMessageBox::Ok | QMessageBox::Cancel;
    QTest::newRow("error") << orvane::ids::kMsgRunningElsewhere << MessageStyle::Error << ok
                           << int(QMessageBox::Critical) << ok;
    QTest::newRow("question, OK") << orvane::ids::kMsgDiscardChanges << MessageStyle::Question << ok
                                  << int(QMessageBox::Warning) << ok_cancel;
    QTest::newRow("question, Cancel") << orvane::ids::kMsgPrinterChanged << MessageStyle::Question
                                      << int(QMessageBox::Cancel) << int(QMessageBox::Warning) << ok_cancel;
    QTest::newRow("information") << orvane::ids::kMsgWritten << MessageStyle::Information << ok
                                 << int(QMessageBox::Information) << ok;
}

void ShowMessageTest::stylesGiveIconsAndButtons() {
    QFETCH(int, messageId);
    QFETCH(MessageStyle, style);
    QFETCH(int, answer);
    QFETCH(int, icon);
    QFETCH(int, buttons);

    MessageBoxWatcher watcher(static_cast<QMessageBox::StandardButton>(answer));
    const QMessageBox::StandardButton pressed =
        orvane::ShowMessage(nullptr, messageId, orvane::ids::kIdsAppTitle, style);
    QVERIFY(watcher.Seen().seen);
    QCOMPARE(int(pressed), answer);
    QCOMPARE(int(watcher.Seen().icon), icon);
    QCOMPARE(int(watcher.Seen().buttons), buttons);
    QCOMPARE(watcher.Seen().title, QStringLiteral("Orvane Fax Directory"));
    QCOMPARE(watcher.Seen().text, orvane::LoadString(messageId));
    QVERIFY(!watcher.Seen().text.isEmpty());
}

void ShowMessageTest::rightToLeftOnlyForArabic_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("direction");
    QTest::newRow("Arabic 0401") << "0401" << 0x0401 << int(Qt::RightToLeft);
    QTest::newRow("Arabic 1401 is not an exact match") << "1401" << 0x0401 << int(Qt::LeftToRight);
    QTest::newRow("English") << "0409" << 0x0409 << int(Qt::LeftToRight);
    QTest::newRow("Japanese") << "0411" << 0x0411 << int(Qt::LeftToRight);
}

void ShowMessageTest::rightToLeftOnlyForArabic() {
    QFETCH(QString, language);
    QFETCH(int, module);
    QFETCH(int, direction);

    SetLanguage(language);
    QVERIFY(orvane::LoadLanguageModule(static_cast<std::uint16_t>(module), ORVANE_TEST_PROGRAM_DIR));
    MessageBoxWatcher watcher(QMessageBox::Ok);
    orvane::ShowMessage(nullptr, orvane::ids::kMsgWritten, orvane::ids::kIdsAppTitle,
                        MessageStyle::Information);
    QVERIFY(watcher.Seen().seen);
    QCOMPARE(int(watcher.Seen().direction), direction);
    QCOMPARE(watcher.Seen().text, orvane::LoadString(orvane::ids::kMsgWritten));
}

void ShowMessageTest::everyModuleHoldsEveryString_data() {
    QTest::addColumn<int>("module");
    QTest::newRow("English") << 0x0409;
    QTest::newRow("German") << 0x0407;
    QTest::newRow("Japanese") << 0x0411;
    QTest::newRow("Arabic") << 0x0401;
}

void ShowMessageTest::everyModuleHoldsEveryString() {
    QFETCH(int, module);
    QVERIFY(orvane::LoadLanguageModule(static_cast<std::uint16_t>(module), ORVANE_TEST_PROGRAM_DIR));
    QList<int> required = {107,  108,  110,  111,  112,  113,  114,  174,  175,  176,  177,  179,
                           180,  182,  183,  184,  186,  1001, 1003, 1005, 1006, 1007, 1012, 1013,
                           1014, 1015, 1016, 1017, 1019, 1020, 1021, 1026, 1027, 1028};
    for (int id = 159; id <= 170; ++id) required << id;
    for (int id = 1033; id <= 1063; ++id) required << id;
    for (int id : required) QVERIFY2(!orvane::LoadString(id).isEmpty(), qPrintable(QString::number(id)));
    for (int control : {1, 2, 1001, 1002, 1004, 1005, 1006, 1028, 1065, 1066}) {
        QVERIFY2(!orvane::LoadTemplateText(orvane::ids::kIddMain, control).isEmpty(),
                 qPrintable(QString::number(control)));
    }
    QVERIFY(orvane::LoadString(99999).isEmpty());
}

QTEST_MAIN(ShowMessageTest)
#include "tst_show_message.moc"
