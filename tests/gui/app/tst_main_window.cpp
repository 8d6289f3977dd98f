#include <QtTest>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "app/rsu_main.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "ui/language_module.h"

using orvane::CRSUMain;
namespace ids = orvane::ids;

// The first main window: its controls by ID, its state without a directory, and closing.
class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void carriesEveryControlById();
    void startsWithoutADirectory();
    void takesItsTextsFromTheModule_data();
    void takesItsTextsFromTheModule();
    void escapeNeverCloses();
    void closeStoresThePendingLanguage();

  private:
    template <typename Control>
    static Control* Find(CRSUMain& window, int id) {
        return window.findChild<Control*>(QString::number(id));
    }
    QString UserLanguage();

    QTemporaryDir folder_;
};

void MainWindowTest::initTestCase() {
    QVERIFY(folder_.isValid());
    UseSettingsFolder(folder_);
    // No printer installed: an empty printers file stands in for the printing system.
    const QString printers = folder_.filePath("printers");
    QFile empty(printers);
    QVERIFY(empty.open(QIODevice::WriteOnly));
    qputenv("ORVANE_PRINTERS", printers.toUtf8());
}

void MainWindowTest::init() {
    QSettings user(UserSettingsFile(folder_), QSettings::IniFormat);
    user.clear();
    user.sync();
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

QString MainWindowTest::UserLanguage() {
    QSettings user(UserSettingsFile(folder_), QSettings::IniFormat);
    return user.value("Language").toString();
}

void MainWindowTest::carriesEveryControlById() {
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    QCOMPARE(window.objectName(), QStringLiteral("142"));
    QVERIFY(Find<QComboBox>(window, ids::kIdcPrinterList));
    QVERIFY(Find<QTreeWidget>(window, ids::kIdcTree));
    QVERIFY(Find<QFrame>(window, ids::kIdcPagePlaceholder));
    for (int id : {ids::kIdcDirectoryStatic, ids::kIdcPageHeading, ids::kIdcBottomStatic}) {
        QVERIFY2(Find<QLabel>(window, id), qPrintable(QString::number(id)));
    }
    for (int id : {ids::kIdOk, ids::kIdCancel, ids::kIdcRead, ids::kIdcHelp, ids::kIdcSave, ids::kIdcLoad,
                   ids::kIdcMessageCatalogue}) {
        QVERIFY2(Find<QPushButton>(window, id), qPrintable(QString::number(id)));
    }
}

void MainWindowTest::startsWithoutADirectory() {
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), orvane::LoadString(ids::kIdsAppTitle));
    QVERIFY(Find<QComboBox>(window, ids::kIdcPrinterList)->isVisible());
    for (int id : {ids::kIdcRead, ids::kIdOk, ids::kIdcHelp, ids::kIdCancel}) {
        QVERIFY(Find<QPushButton>(window, id)->isVisible());
    }
    for (int id : {ids::kIdcSave, ids::kIdcLoad, ids::kIdcMessageCatalogue}) {
        QVERIFY(!Find<QPushButton>(window, id)->isVisible());
    }
    QVERIFY(!Find<QTreeWidget>(window, ids::kIdcTree)->isVisible());
    QVERIFY(!Find<QLabel>(window, ids::kIdcDirectoryStatic)->isVisible());
    QVERIFY(!Find<QLabel>(window, ids::kIdcPageHeading)->isVisible());
    QVERIFY(!Find<QPushButton>(window, ids::kIdOk)->isEnabled());
    // No printers listed: nothing to read.
    QCOMPARE(Find<QComboBox>(window, ids::kIdcPrinterList)->count(), 0);
    QVERIFY(!Find<QPushButton>(window, ids::kIdcRead)->isEnabled());
    QVERIFY(Find<QPushButton>(window, ids::kIdCancel)->isEnabled());
    QCOMPARE(Find<QPushButton>(window, ids::kIdcRead)->toolTip(), orvane::LoadString(ids::kIdsReadTip));
    QCOMPARE(Find<QPushButton>(window, ids::kIdOk)->toolTip(), orvane::LoadString(ids::kIdsWriteTip));
}

void MainWindowTest::takesItsTextsFromTheModule_data() {
    QTest::addColumn<int>("module");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("read");
    QTest::newRow("English") << 0x0409 << "Orvane Fax Directory"
                             << "&Read";
    QTest::newRow("German") << 0x0407 << "Orvane Faxverzeichnis"
                            << "&Lesen";
    QTest::newRow("Japanese") << 0x0411 << "Orvane ファクス電話帳"
                              << "読み込み(&R)";
    QTest::newRow("Arabic") << 0x0401 << "دليل فاكس Orvane"
                            << "&قراءة";
}

void MainWindowTest::takesItsTextsFromTheModule() {
    QFETCH(int, module);
    QFETCH(QString, title);
    QFETCH(QString, read);
    QVERIFY(orvane::LoadLanguageModule(static_cast<std::uint16_t>(module), ORVANE_TEST_PROGRAM_DIR));
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(Find<QPushButton>(window, ids::kIdcRead)->text(), read);
}

void MainWindowTest::escapeNeverCloses() {
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QVERIFY(UserLanguage().isEmpty());
}

void MainWindowTest::closeStoresThePendingLanguage() {
    QSettings user(UserSettingsFile(folder_), QSettings::IniFormat);
    user.setValue("Language", "0407");
    user.sync();
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    QCOMPARE(window.PendingLanguage(), std::uint16_t{0x0407});
    user.remove("Language");
    user.sync();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(Find<QPushButton>(window, ids::kIdCancel), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(UserLanguage(), QStringLiteral("0407"));
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
