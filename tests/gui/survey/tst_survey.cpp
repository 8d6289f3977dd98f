#include <QtTest>

#include <sys/stat.h>
#include <QComboBox>
#include <QPushButton>
#include <cstring>
#include <functional>

#include "app/command_line.h"
#include "app/rsu_main.h"
#include "app/usage_counter.h"
#include "message_box_answerer.h"
#include "platform/survey_component.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "sim_printer.h"
#include "transport/named_object.h"
#include "ui/language_module.h"

using orvane::CRSUMain;
using orvane::UsageCounter;
namespace ids = orvane::ids;

namespace {

const char kMutex[] = "Global\\ORV_PCInformation";

// One call of WriteAppInfoW as the recorder library wrote it down.
struct Report {
    QString record_name;
    QString application_name;
    QString text;
};

QString ThisMonthsRecord() {
    const QDate today = QDate::currentDate();
    return QString("OrvaneApp%1%2").arg(today.year()).arg(today.month(), 2, 10, QChar('0'));
}

QString Today() {
    return QDate::currentDate().toString("yyyy-MM-dd");
}

}  // namespace

// The usage survey against real files: the survey folder and file, the machine-wide mutex, the
// model list, and a survey component library that records what it is handed.
class SurveyTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void reportOfOneLaunchIsTheElementSequence();
    void firstRunWritesTheFileAndLaterRunsKeepFirstTime();
    void countersAreHexadecimal();
    void counterStopsAt65535();
    void collectDataDecides_data();
    void collectDataDecides();
    void languageIsUpperCaseHex();
    void longTextIsCut();
    void launchSourceIsCounted_data();
    void launchSourceIsCounted();
    void helpIsCounted();
    void readAndWriteAreCountedWithTheSurveyModel();
    void componentProblemsStillWriteTheFile_data();
    void componentProblemsStillWriteTheFile();
    void refusedReportIsQuiet();
    void heldMutexTurnsTheSurveyOff();
    void runningInstanceLeavesTheMutexToTheNext();
    void plantedFileLinkIsReplacedNotFollowed();
    void plantedFolderLinkTurnsTheSurveyOff();
    void missingDataFolderTurnsTheSurveyOff();
    void counterIgnoresIndicesOutsideItsRange();

  private:
    QString WriteFile(const QString& path, const QByteArray& bytes);
    void WriteModelList(const QByteArray& survey_section);
    void SetInstallation(const QString& key, const QVariant& value);
    // Creates the survey folder as an installation would, and the survey file with `bytes`.
    void PlantSurveyFile(const QByteArray& bytes);
    // Starts and closes the program's window once; `during` runs while it is open.
    void RunOnce(const std::function<void(CRSUMain&)>& during = {});
    QString SurveyFolder() const { return folder_.filePath("common/VelorIJORV"); }
    QString SurveyFilePath() const { return SurveyFolder() + "/ORVInfo.ini"; }
    QString SurveyValue(const QString& key);
    QList<Report> Reports();

    QTemporaryDir folder_;
    std::unique_ptr<MessageBoxAnswerer> answerer_;
};

void SurveyTest::initTestCase() {
    QVERIFY(folder_.isValid());
    UseSettingsFolder(folder_);
    for (const char* name : {"common", "objects", "session", "program"})
        QVERIFY(QDir().mkpath(folder_.filePath(name)));
    // The object folders as the program makes them: shared with every user, and this user's own.
    QCOMPARE(::chmod(QFile::encodeName(folder_.filePath("objects")).constData(), 01777), 0);
    QCOMPARE(::chmod(QFile::encodeName(folder_.filePath("session")).constData(), 0700), 0);
    qputenv("ORVANE_SURVEY_DIR", folder_.filePath("common").toUtf8());
    qputenv("ORVANE_OBJECT_DIR", folder_.filePath("objects").toUtf8());
    qputenv("ORVANE_SESSION_DIR", folder_.filePath("session").toUtf8());
    qputenv("SURVEY_RECORDER_FILE", folder_.filePath("reports").toUtf8());
    qputenv("ORVANE_PRINTERS",
            WriteFile(folder_.filePath("printers"), "Fax\tVelor Survey\tUSB001\n").toUtf8());
}

void SurveyTest::init() {
    QDir(SurveyFolder()).removeRecursively();
    QFile::remove(SurveyFolder());
    QFile::remove(folder_.filePath("reports"));
    QFile::remove(folder_.filePath("system/Velor/Orvane.ini"));
    SetInstallation("Zuvana/Library", ORVANE_SURVEY_RECORDER);
    QSettings user(UserSettingsFile(folder_), QSettings::IniFormat);
    user.clear();
    user.setValue("Language", "0409");
    user.sync();
    WriteModelList("[InformationSurvey]\nCollectData=1\n");
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
    answerer_ = std::make_unique<MessageBoxAnswerer>();
}

void SurveyTest::cleanup() {
    // Nothing of the survey ever shows a message.
    QVERIFY2(answerer_->Texts().isEmpty(), qPrintable(answerer_->Texts().join('|')));
    QVERIFY(!orvane::NamedObject::Exists(kMutex));
}

QString SurveyTest::WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
    return path;
}

void SurveyTest::WriteModelList(const QByteArray& survey_section) {
    WriteFile(folder_.filePath("program/orvkit.dat"),
              "[Velor Survey]\nDeviceInfo=1\nFax=1\nManual=2\nSurveyDevID=SV-1\n" + survey_section);
}

void SurveyTest::SetInstallation(const QString& key, const QVariant& value) {
    QSettings installation(folder_.filePath("system/Velor/Orvane.ini"), QSettings::IniFormat);
    if (value.isNull()) {
        installation.remove(key);
    } else {
        installation.setValue(key, value);
    }
    installation.sync();
}

void SurveyTest::PlantSurveyFile(const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(SurveyFolder()));
    QCOMPARE(::chmod(QFile::encodeName(SurveyFolder()).constData(), 01777), 0);
    WriteFile(SurveyFilePath(), bytes);
}

void SurveyTest::RunOnce(const std::function<void(CRSUMain&)>& during) {
    CRSUMain window(nullptr, folder_.filePath("program"));
    window.show();
    if (during) during(window);
    QVERIFY(window.PrepareExit());
}

QString SurveyTest::SurveyValue(const QString& key) {
    QSettings file(SurveyFilePath(), QSettings::IniFormat);
    return file.value("PINFO/" + key).toString();
}

QList<Report> SurveyTest::Reports() {
    QFile file(folder_.filePath("reports"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    QStringList texts;
    QString current;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        char16_t unit = 0;
        std::memcpy(&unit, bytes.constData() + i, sizeof unit);
        if (unit == u'\0') {
            texts.append(current);
            current.clear();
        } else {
            current.append(QChar(unit));
        }
    }
    QList<Report> reports;
    for (qsizetype i = 0; i + 2 < texts.size(); i += 3)
        reports.append({texts[i], texts[i + 1], texts[i + 2]});
    return reports;
}

void SurveyTest::reportOfOneLaunchIsTheElementSequence() {
    // An existing file without texts, and a model list without "Version": only the language and
    // the launch have values.
    PlantSurveyFile("");
    RunOnce();
    const QList<Report> reports = Reports();
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports[0].record_name, ThisMonthsRecord());
    QCOMPARE(reports[0].application_name, QString("OrvaneApp"));
    QCOMPARE(
        reports[0].text,
        QString(
            "<Application NAME=\"OrvaneApp\"><LangID>0409</LangID><ORVLaunch>1</ORVLaunch></Application>"));
}

void SurveyTest::firstRunWritesTheFileAndLaterRunsKeepFirstTime() {
    WriteModelList("[InformationSurvey]\nCollectData=1\nVersion=1.20\n");
    RunOnce();
    QFile file(SurveyFilePath());
    QVERIFY(file.exists());
    QVERIFY(file.permissions().testFlags(QFile::ReadOther | QFile::WriteOther));
    struct stat folder_info {};
    QCOMPARE(::stat(QFile::encodeName(SurveyFolder()).constData(), &folder_info), 0);
    QCOMPARE(folder_info.st_mode & 07777, mode_t{01777});
    QCOMPARE(SurveyValue("LangID"), QString("0409"));
    QCOMPARE(SurveyValue("FirstTime"), Today());
    QCOMPARE(SurveyValue("Version"), QString("1.20"));
    QCOMPARE(SurveyValue("DevID"), QString());
    QCOMPARE(SurveyValue("ORVLaunch"), QString("1"));
    for (const char* key : {"ORVupload", "ORVdownload", "ORVsavetoPC", "ORVloadfromPC", "ORVhelp",
                            "ORVTALVLaunch", "ORVDSLaunch"}) {
        QCOMPARE(SurveyValue(key), QString("0"));
    }
    QCOMPARE(Reports().size(), 1);
    QCOMPARE(Reports()[0].text,
             "<Application NAME=\"OrvaneApp\"><LangID>0409</LangID><FirstTime>" + Today() +
                 "</FirstTime><Version>1.20</Version><ORVLaunch>1</ORVLaunch></Application>");

    // A later run keeps the first day, and whatever else another program keeps in the file.
    QSettings edit(SurveyFilePath(), QSettings::IniFormat);
    edit.setValue("PINFO/FirstTime", "2001-02-03");
    edit.setValue("Other/Kept", "yes");
    edit.sync();
    RunOnce();
    QCOMPARE(SurveyValue("FirstTime"), QString("2001-02-03"));
    QCOMPARE(SurveyValue("ORVLaunch"), QString("2"));
    QCOMPARE(QSettings(SurveyFilePath(), QSettings::IniFormat).value("Other/Kept").toString(),
             QString("yes"));
}

void SurveyTest::countersAreHexadecimal() {
    PlantSurveyFile("[PINFO]\nORVLaunch=19\nORVhelp=9\n");
    RunOnce();
    QCOMPARE(SurveyValue("ORVLaunch"), QString("1a"));
    QCOMPARE(SurveyValue("ORVhelp"), QString("9"));
    QCOMPARE(Reports().size(), 1);
    QVERIFY(Reports()[0].text.contains("<ORVLaunch>1a</ORVLaunch><ORVhelp>9</ORVhelp>"));
}

void SurveyTest::counterStopsAt65535() {
    PlantSurveyFile("[PINFO]\nORVLaunch=fffe\nORVhelp=ffff\n");
    RunOnce([](CRSUMain& window) { window.OnHelp(); });
    QCOMPARE(SurveyValue("ORVLaunch"), QString("ffff"));
    QCOMPARE(SurveyValue("ORVhelp"), QString("ffff"));
}

void SurveyTest::collectDataDecides_data() {
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<bool>("on");
    QTest::newRow("absent") << QByteArray("[InformationSurvey]\nVersion=1\n") << true;
    QTest::newRow("no section") << QByteArray() << true;
    QTest::newRow("empty") << QByteArray("[InformationSurvey]\nCollectData=\n") << true;
    QTest::newRow("1") << QByteArray("[InformationSurvey]\nCollectData=1\n") << true;
    QTest::newRow("0") << QByteArray("[InformationSurvey]\nCollectData=0\n") << false;
    QTest::newRow("2") << QByteArray("[InformationSurvey]\nCollectData=2\n") << false;
}

void SurveyTest::collectDataDecides() {
    QFETCH(QByteArray, section);
    QFETCH(bool, on);
    WriteModelList(section);
    RunOnce([on](CRSUMain&) { QCOMPARE(orvane::NamedObject::Exists(kMutex), on); });
    QCOMPARE(QFile::exists(SurveyFilePath()), on);
    QCOMPARE(QFile::exists(SurveyFolder()), on);
    QCOMPARE(Reports().size(), on ? 1 : 0);
}

void SurveyTest::languageIsUpperCaseHex() {
    QSettings user(UserSettingsFile(folder_), QSettings::IniFormat);
    user.setValue("Language", "040c");
    user.sync();
    RunOnce();
    QCOMPARE(SurveyValue("LangID"), QString("040C"));
}

void SurveyTest::longTextIsCut() {
    const QByteArray version = QByteArray(62, 'v') + "\xF0\x9F\x98\x80" + "tail";  // a pair at 63 and 64
    WriteModelList("[InformationSurvey]\nVersion=" + version + "\n");
    RunOnce();
    QCOMPARE(SurveyValue("Version"), QString(62, 'v'));
    WriteModelList("[InformationSurvey]\nVersion=" + QByteArray(100, 'w') + "\n");
    RunOnce();
    QCOMPARE(SurveyValue("Version"), QString(63, 'w'));
}

void SurveyTest::launchSourceIsCounted_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("key");
    QTest::newRow("launcher") << QStringList{"/TALV"} << "ORVTALVLaunch";
    QTest::newRow("for a printer") << QStringList{"/DS", "/PrinterName,Fax,"} << "ORVDSLaunch";
}

void SurveyTest::launchSourceIsCounted() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, key);
    orvane::CORVCommandLineInfo().ParseCommandLine(arguments);
    RunOnce();
    // The empty flag makes the next test's start a plain one again.
    orvane::CORVCommandLineInfo().ParseCommandLine({"/"});
    QCOMPARE(SurveyValue("ORVLaunch"), QString("1"));
    QCOMPARE(SurveyValue(key), QString("1"));
    QCOMPARE(SurveyValue(key == "ORVDSLaunch" ? "ORVTALVLaunch" : "ORVDSLaunch"), QString("0"));
}

void SurveyTest::helpIsCounted() {
    // The model's "Manual" 2 opens nothing, and the press still counts.
    RunOnce([](CRSUMain& window) {
        QVERIFY(!window.findChild<QPushButton*>(QString::number(ids::kIdcHelp))->isEnabled());
        window.OnHelp();
        window.OnHelp();
    });
    QCOMPARE(SurveyValue("ORVhelp"), QString("2"));
}

void SurveyTest::readAndWriteAreCountedWithTheSurveyModel() {
    SimPrinter sim;
    QVERIFY(sim.IsReady());
    qputenv("ORVANE_USB_DEVICE_DIR", sim.UsbFolder().toUtf8());
    RunOnce([](CRSUMain& window) {
        window.OnRead();
        QVERIFY(window.RemoteSetup() != nullptr);
        auto* working = window.RemoteSetup()->Copy(orvane::DirectoryCopy::Working);
        QVERIFY(orvane::StoreText(working->rejects[0].number, "0123"));
        window.OnWrite();
        // A write with nothing changed writes nothing and counts nothing.
        window.OnWrite();
        window.OnRead();
    });
    QCOMPARE(SurveyValue("ORVupload"), QString("2"));
    QCOMPARE(SurveyValue("ORVdownload"), QString("1"));
    QCOMPARE(SurveyValue("DevID"), QString("SV-1"));
    QCOMPARE(Reports().size(), 1);
    QVERIFY(
        Reports()[0].text.contains("<DevID>SV-1</DevID><ORVLaunch>1</ORVLaunch><ORVupload>2</ORVupload>"
                                   "<ORVdownload>1</ORVdownload></Application>"));
    // The written message was the only one shown.
    QCOMPARE(answerer_->Texts(), QStringList{orvane::LoadString(ids::kMsgWritten)});
    answerer_ = std::make_unique<MessageBoxAnswerer>();
}

void SurveyTest::componentProblemsStillWriteTheFile_data() {
    QTest::addColumn<QVariant>("library");
    QTest::addColumn<int>("status");
    using Status = orvane::SurveyReportStatus;
    QTest::newRow("not registered") << QVariant() << int(Status::NotInstalled);
    QTest::newRow("file missing") << QVariant(folder_.filePath("no-such-library.so"))
                                  << int(Status::NotInstalled);
    QTest::newRow("relative path") << QVariant("libsurvey_recorder.so") << int(Status::NotInstalled);
    QTest::newRow("not a library") << QVariant(folder_.filePath("printers")) << int(Status::NotLoaded);
    QTest::newRow("no WriteAppInfoW") << QVariant(ORVANE_SURVEY_NO_ENTRY) << int(Status::NoEntry);
}

void SurveyTest::componentProblemsStillWriteTheFile() {
    QFETCH(QVariant, library);
    QFETCH(int, status);
    SetInstallation("Zuvana/Library", library);
    RunOnce();
    QCOMPARE(SurveyValue("ORVLaunch"), QString("1"));
    QVERIFY(Reports().isEmpty());
    QCOMPARE(int(orvane::ReportToSurveyComponent("record", "app", "text")), status);
}

void SurveyTest::refusedReportIsQuiet() {
    qputenv("SURVEY_RECORDER_RESULT", "0");
    QCOMPARE(orvane::ReportToSurveyComponent("OrvaneApp200001", "OrvaneApp", "<x/>"),
             orvane::SurveyReportStatus::Refused);
    RunOnce();
    qunsetenv("SURVEY_RECORDER_RESULT");
    QCOMPARE(SurveyValue("ORVLaunch"), QString("1"));
    QCOMPARE(Reports().size(), 2);
    QCOMPARE(Reports()[0].record_name, QString("OrvaneApp200001"));
}

void SurveyTest::heldMutexTurnsTheSurveyOff() {
    QProcess holder;
    holder.start(ORVANE_SURVEY_MUTEX_HOLDER, {});
    QVERIFY(holder.waitForStarted());
    QVERIFY(holder.waitForReadyRead());
    QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));
    // The start waits for the other program, gives up, and runs without the survey.
    RunOnce([](CRSUMain& window) {
        QVERIFY(window.findChild<QComboBox*>(QString::number(ids::kIdcPrinterList))->count() == 1);
    });
    QVERIFY(orvane::NamedObject::Exists(kMutex));
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished());
    QVERIFY(!QFile::exists(SurveyFilePath()));
    QVERIFY(Reports().isEmpty());
}

void SurveyTest::runningInstanceLeavesTheMutexToTheNext() {
    PlantSurveyFile("");
    RunOnce([this](CRSUMain&) {
        // The running instance made the mutex without owning it: another program owns it at once.
        {
            orvane::NamedObjectStatus status = orvane::NamedObjectStatus::Failed;
            orvane::NamedObject other = orvane::NamedObject::CreateUnowned(kMutex, &status);
            QCOMPARE(status, orvane::NamedObjectStatus::AlreadyExists);
            QVERIFY(other.OwnWithin(0));
        }
        // So does a second instance, which keeps it and reports its launch too.
        RunOnce();
    });
    QCOMPARE(Reports().size(), 2);
}

void SurveyTest::plantedFileLinkIsReplacedNotFollowed() {
    PlantSurveyFile("");
    QFile::remove(SurveyFilePath());
    const QString victim = WriteFile(folder_.filePath("victim"), "[PINFO]\nORVLaunch=40\n");
    QVERIFY(QFile::link(victim, SurveyFilePath()));
    RunOnce();
    QFile kept(victim);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("[PINFO]\nORVLaunch=40\n"));
    QVERIFY(!QFileInfo(SurveyFilePath()).isSymLink());
    // Nothing was read through the link: the count starts from one.
    QCOMPARE(SurveyValue("ORVLaunch"), QString("1"));
}

void SurveyTest::plantedFolderLinkTurnsTheSurveyOff() {
    const QString elsewhere = folder_.filePath("elsewhere");
    QVERIFY(QDir().mkpath(elsewhere));
    QVERIFY(QFile::link(elsewhere, SurveyFolder()));
    RunOnce();
    QVERIFY(QDir(elsewhere).isEmpty());
    QVERIFY(Reports().isEmpty());
    QFile::remove(SurveyFolder());
    QDir(elsewhere).removeRecursively();
}

void SurveyTest::missingDataFolderTurnsTheSurveyOff() {
    qputenv("ORVANE_SURVEY_DIR", folder_.filePath("no-such-folder").toUtf8());
    RunOnce();
    qputenv("ORVANE_SURVEY_DIR", folder_.filePath("common").toUtf8());
    QVERIFY(!QFile::exists(folder_.filePath("no-such-folder")));
    QVERIFY(Reports().isEmpty());
}

void SurveyTest::counterIgnoresIndicesOutsideItsRange() {
    std::unique_ptr<UsageCounter> counter;
    QCOMPARE(UsageCounter::StartSurvey(folder_.filePath("program/orvkit.dat"), 0x0409, &counter), 0);
    QVERIFY(counter && counter->IsEnabled());
    for (int index : {-1, 8, 9}) counter->Count(index);
    counter->SetText(7, "x");
    for (int index = 0; index < UsageCounter::kCounterCount; ++index) QCOMPARE(counter->Counter(index), 0u);
    QCOMPARE(counter->ReportText(), "<Application NAME=\"OrvaneApp\"><LangID>0409</LangID><FirstTime>" +
                                        Today() + "</FirstTime></Application>");
    QCOMPARE(UsageCounter::RecordName(QDate(2027, 3, 9)), QString("OrvaneApp202703"));
}

QTEST_MAIN(SurveyTest)
#include "tst_survey.moc"
