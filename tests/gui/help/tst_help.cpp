#include <QtTest>

#include <QComboBox>
#include <QPushButton>

#include "app/rsu_main.h"
#include "message_box_answerer.h"
#include "recording_opener.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "ui/language_module.h"

using orvane::CRSUMain;
namespace ids = orvane::ids;

namespace {

// One model section per kind of manual; each printer below uses one of them.
const char kModelList[] =
    "[Velor Online]\nDeviceInfo=1\nFax=1\nManual=1\nDevID=MX100 series\n"
    "[Velor Online Bare]\nDeviceInfo=1\nFax=1\nManual=1\n"
    "[Velor Local]\nDeviceInfo=1\nFax=1\nManual=0\nHelpRegName=FX200\n"
    "[Velor Unregistered]\nDeviceInfo=1\nFax=1\nManual=0\nHelpRegName=Nobody\n"
    "[Velor Unnamed]\nDeviceInfo=1\nFax=1\nManual=0\n"
    "[Velor Other]\nDeviceInfo=1\nFax=1\nManual=2\nHelpRegName=FX200\nDevID=MX100 series\n";

const char kPrinters[] =
    "Online\tVelor Online\tUSB001\n"
    "Bare\tVelor Online Bare\tUSB002\n"
    "Local\tVelor Local\tUSB003\n"
    "Unregistered\tVelor Unregistered\tUSB004\n"
    "Unnamed\tVelor Unnamed\tUSB005\n"
    "Other\tVelor Other\tUSB006\n";

}  // namespace

// Help against real files: the model list, the installer's settings with the viewer's
// registration, and the viewer's files; the desktop is replaced by an opener that records.
class HelpTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void onlineManualWithoutDeviceIdSendsAnEmptyDev();
    void twoWordDeviceIdIsSentWithAPlus_data();
    void twoWordDeviceIdIsSentWithAPlus();
    void installationWithoutHostUsesTheDocumentedOne();
    void registeredViewerGetsInfoPathAndTopic();
    void incompleteRegistrationDisablesHelp_data();
    void incompleteRegistrationDisablesHelp();
    void otherManualModeDisablesHelpAndOpensNothing();
    void uninstalledViewerLeavesHelpEnabledAndOpensNothing();
    void f1OpensNothing();

  private:
    // A window on `printer` whose Help records into opened_.
    std::unique_ptr<CRSUMain> OpenWindow(const QString& printer);
    QPushButton* Help(CRSUMain& window) {
        return window.findChild<QPushButton*>(QString::number(ids::kIdcHelp));
    }
    void Select(CRSUMain& window, const QString& printer);
    QString WriteFile(const QString& name, const QByteArray& bytes);
    QString InstallationFile() const { return folder_.filePath("system/Velor/Orvane.ini"); }
    void SetInstallation(const QString& key, const QVariant& value);

    QTemporaryDir folder_;
    OpenedManuals opened_;
    std::unique_ptr<MessageBoxAnswerer> answerer_;
};

void HelpTest::initTestCase() {
    QVERIFY(folder_.isValid());
    UseSettingsFolder(folder_);
    QVERIFY(QDir().mkpath(folder_.filePath("program")));
    WriteFile("program/orvkit.dat", kModelList);
    qputenv("ORVANE_PRINTERS", WriteFile("printers", kPrinters).toUtf8());
}

void HelpTest::init() {
    QFile::remove(InstallationFile());
    SetInstallation("ManualHost", "manual.test");
    SetInstallation("Pelmora/FX200/APP_PATH", WriteFile("viewer", "viewer program"));
    SetInstallation("Pelmora/FX200/info_PATH", WriteFile("manual.info", "manual"));
    SetInstallation("Pelmora/FX200/ORV_MAIN", "ORV_Top");
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
    opened_ = {};
    answerer_ = std::make_unique<MessageBoxAnswerer>();
}

void HelpTest::cleanup() {
    // Nothing of Help ever shows a message.
    QVERIFY2(answerer_->Texts().isEmpty(), qPrintable(answerer_->Texts().join('|')));
}

QString HelpTest::WriteFile(const QString& name, const QByteArray& bytes) {
    const QString path = folder_.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
    return path;
}

void HelpTest::SetInstallation(const QString& key, const QVariant& value) {
    QSettings installation(InstallationFile(), QSettings::IniFormat);
    if (value.isNull()) {
        installation.remove(key);
    } else {
        installation.setValue(key, value);
    }
    installation.sync();
}

void HelpTest::Select(CRSUMain& window, const QString& printer) {
    auto* list = window.findChild<QComboBox*>(QString::number(ids::kIdcPrinterList));
    list->setCurrentIndex(list->findText(printer));
    QCOMPARE(list->currentText(), printer);
}

std::unique_ptr<CRSUMain> HelpTest::OpenWindow(const QString& printer) {
    QSettings user(UserSettingsFile(folder_), QSettings::IniFormat);
    user.setValue("SelectedDevice", printer);
    user.sync();
    auto window = std::make_unique<CRSUMain>(nullptr, folder_.filePath("program"));
    window->SetManualOpener(RecordingOpener(&opened_));
    window->show();
    return window;
}

void HelpTest::onlineManualWithoutDeviceIdSendsAnEmptyDev() {
    auto window = OpenWindow("Bare");
    QVERIFY(Help(*window)->isEnabled());
    QTest::mouseClick(Help(*window), Qt::LeftButton);
    QCOMPARE(opened_.urls.size(), 1);
    QCOMPARE(opened_.urls[0].toString(QUrl::FullyEncoded),
             QString("http://manual.test/rd2.cgi?FNC=ORV&OSV=W&DEV=&LNG=en&CTV=1.3&CTN=ORV%2FTop.html"));
    QVERIFY(opened_.viewers.isEmpty());
}

void HelpTest::twoWordDeviceIdIsSentWithAPlus_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("code");
    QTest::newRow("English") << 0x0409 << "en";
    QTest::newRow("German") << 0x0407 << "de";
}

void HelpTest::twoWordDeviceIdIsSentWithAPlus() {
    QFETCH(int, language);
    QFETCH(QString, code);
    QVERIFY(orvane::LoadLanguageModule(static_cast<std::uint16_t>(language), ORVANE_TEST_PROGRAM_DIR));
    auto window = OpenWindow("Online");
    QVERIFY(Help(*window)->isEnabled());
    QTest::mouseClick(Help(*window), Qt::LeftButton);
    QCOMPARE(opened_.urls.size(), 1);
    QCOMPARE(opened_.urls[0].toString(QUrl::FullyEncoded),
             "http://manual.test/rd2.cgi?FNC=ORV&OSV=W&DEV=MX100+series&LNG=" + code +
                 "&CTV=1.3&CTN=ORV%2FTop.html");
}

void HelpTest::installationWithoutHostUsesTheDocumentedOne() {
    SetInstallation("ManualHost", QVariant());
    auto window = OpenWindow("Online");
    QTest::mouseClick(Help(*window), Qt::LeftButton);
    QCOMPARE(opened_.urls.size(), 1);
    QCOMPARE(opened_.urls[0].toString(QUrl::FullyEncoded),
             QString("http://manual.velor.com/rd2.cgi?FNC=ORV&OSV=W&DEV=MX100+series&LNG=en&CTV=1.3"
                     "&CTN=ORV%2FTop.html"));
}

void HelpTest::registeredViewerGetsInfoPathAndTopic() {
    auto window = OpenWindow("Local");
    QVERIFY(Help(*window)->isEnabled());
    QTest::mouseClick(Help(*window), Qt::LeftButton);
    QCOMPARE(opened_.viewers.size(), 1);
    QCOMPARE(opened_.viewers[0],
             (QStringList{folder_.filePath("viewer"), folder_.filePath("manual.info"), "ORV_Top"}));
    QVERIFY(opened_.urls.isEmpty());
}

void HelpTest::incompleteRegistrationDisablesHelp_data() {
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("no registration") << "Unregistered"
                                     << ""
                                     << "";
    QTest::newRow("no HelpRegName") << "Unnamed"
                                    << ""
                                    << "";
    QTest::newRow("viewer missing") << "Local"
                                    << "APP_PATH"
                                    << "no-such-viewer";
    QTest::newRow("viewer is a folder") << "Local"
                                        << "APP_PATH"
                                        << ".";
    QTest::newRow("info_PATH missing") << "Local"
                                       << "info_PATH"
                                       << "no-such-manual.info";
    QTest::newRow("ORV_MAIN empty") << "Local"
                                    << "ORV_MAIN"
                                    << "";
    QTest::newRow("info_PATH over 259 characters")
        << "Local"
        << "info_PATH" << QString("./").repeated(130) + "manual.info";
}

void HelpTest::incompleteRegistrationDisablesHelp() {
    QFETCH(QString, printer);
    QFETCH(QString, key);
    QFETCH(QString, value);
    if (!key.isEmpty()) {
        const bool is_path = key.endsWith("PATH");
        SetInstallation("Pelmora/FX200/" + key, is_path ? folder_.filePath(value) : value);
    }
    auto window = OpenWindow(printer);
    QVERIFY(!Help(*window)->isEnabled());
    window->OnHelp();
    QVERIFY(opened_.urls.isEmpty() && opened_.viewers.isEmpty());
}

void HelpTest::otherManualModeDisablesHelpAndOpensNothing() {
    auto window = OpenWindow("Online");
    QVERIFY(Help(*window)->isEnabled());
    Select(*window, "Other");
    QVERIFY(!Help(*window)->isEnabled());
    // A press that reached the command anyway opens nothing.
    window->OnHelp();
    QVERIFY(opened_.urls.isEmpty() && opened_.viewers.isEmpty());
    Select(*window, "Local");
    QVERIFY(Help(*window)->isEnabled());
}

void HelpTest::uninstalledViewerLeavesHelpEnabledAndOpensNothing() {
    auto window = OpenWindow("Local");
    QVERIFY(Help(*window)->isEnabled());
    QVERIFY(QFile::remove(folder_.filePath("viewer")));
    QTest::mouseClick(Help(*window), Qt::LeftButton);
    QVERIFY(opened_.urls.isEmpty() && opened_.viewers.isEmpty());
    QVERIFY(Help(*window)->isEnabled());
}

void HelpTest::f1OpensNothing() {
    auto window = OpenWindow("Online");
    QTest::keyClick(window.get(), Qt::Key_F1);
    QVERIFY(opened_.urls.isEmpty() && opened_.viewers.isEmpty());
}

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
