#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QWidget>

#include "app/instance_channel.h"
#include "app/single_instance.h"
#include "message_box_watcher.h"
#include "planted_name.h"
#include "platform/instance_object.h"
#include "resources/language_table.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "ui/language_module.h"

using orvane::InstanceOutcome;
using orvane::NamedObject;

namespace {

constexpr int kProcessTimeoutMs = 120000;

// True when an instance listens on this session's channel (a leftover endpoint refuses).
bool ChannelAnswers() {
    QLocalSocket socket;
    socket.connectToServer(orvane::InstanceChannelPath());
    return socket.waitForConnected(1000);
}

}  // namespace

// Start-up as a user meets it: the real program in its own processes, each test with its own
// settings, object and session folders, and a program directory that holds only the modules the
// test wants.
class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsInTheUiLanguageAndHandsASecondStartToTheFirst_data();
    void startsInTheUiLanguageAndHandsASecondStartToTheFirst();
    void removedModuleFallsBackToTheInstallersLanguage();
    void languageWithoutItsModuleFallsBackToEnglish();
    void missingModuleEndsWithoutAWindow();
    void unloadableModuleEndsWithoutAWindow();
    void secondStartRestoresTheMinimizedWindow_data();
    void secondStartRestoresTheMinimizedWindow();
    void heldObjectWithoutAWindowLetsASecondInstanceRun();
    void objectFolderIsUsedOrRefusedByName_data();
    void objectFolderIsUsedOrRefusedByName();
    void anotherUsersInstanceRefusesWithMessage177();
    void plantedInstanceObjectEndsStartUpSilently_data();
    void plantedInstanceObjectEndsStartUpSilently();
    void consoleRequestNeedsNoDisplay_data();
    void consoleRequestNeedsNoDisplay();
    void consoleRequestCountsOnlyAsTheFirstArgument();

  private:
    QString ProgramWith(const QStringList& modules);
    QProcessEnvironment Environment(const QString& locale) const;
    void Start(QProcess& process, const QString& program, const QString& locale,
               const QStringList& arguments = {});
    static QStringList AllModules();
    QString UserLanguage() const;

    QTemporaryDir folder_;
    std::unique_ptr<QTemporaryDir> objects_;
    std::unique_ptr<QTemporaryDir> case_;
};

void StartupTest::initTestCase() {
    QVERIFY(folder_.isValid());
    // The machine-wide folder must be reachable by another user for the refusal case.
    objects_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/orvane-objects-XXXXXX");
    QVERIFY(objects_->isValid());
    // Shared as the program makes it: everyone writes, the sticky bit keeps each user's files.
    QCOMPARE(::chmod(QFile::encodeName(objects_->path()).constData(), 01777), 0);
    qputenv("ORVANE_OBJECT_DIR", objects_->path().toUtf8());
    qputenv("ORVANE_SESSION_DIR", folder_.filePath("session").toUtf8());
    QVERIFY(QDir().mkpath(folder_.filePath("session")));
    QVERIFY(QFile::setPermissions(folder_.filePath("session"),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

void StartupTest::init() {
    case_ = std::make_unique<QTemporaryDir>();
    QVERIFY(case_->isValid());
    UseSettingsFolder(*case_);
    QFile::remove(orvane::InstanceChannelPath());
}

void StartupTest::cleanup() {
    case_.reset();
}

QStringList StartupTest::AllModules() {
    QStringList modules;
    for (const orvane::LanguageRow& row : orvane::LanguageModuleTable())
        modules << QString::fromLatin1(row.module.data(), static_cast<qsizetype>(row.module.size()));
    return modules;
}

QString StartupTest::ProgramWith(const QStringList& modules) {
    const QDir program(case_->filePath("program"));
    program.mkpath(".");
    const QString executable = program.filePath("orvane");
    QFile::copy(ORVANE_TEST_EXECUTABLE, executable);
    // The model list lives beside the program; without it the window refuses to start.
    QFile::copy(QDir(ORVANE_TEST_PROGRAM_DIR).filePath("orvkit.dat"), program.filePath("orvkit.dat"));
    for (const QString& module : modules)
        QFile::copy(QDir(ORVANE_TEST_PROGRAM_DIR).filePath(module), program.filePath(module));
    return executable;
}

QProcessEnvironment StartupTest::Environment(const QString& locale) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_MESSAGES", "LC_NUMERIC"}) environment.remove(name);
    environment.insert("LANG", locale);
    environment.insert("LC_ALL", locale);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_RUNTIME_DIR", case_->path());
    return environment;
}

void StartupTest::Start(QProcess& process, const QString& program, const QString& locale,
                        const QStringList& arguments) {
    process.setProcessEnvironment(Environment(locale));
    process.start(program, arguments);
    QVERIFY(process.waitForStarted(kProcessTimeoutMs));
}

QString StartupTest::UserLanguage() const {
    QSettings user(UserSettingsFile(*case_), QSettings::IniFormat);
    return user.value("Language").toString();
}

void StartupTest::startsInTheUiLanguageAndHandsASecondStartToTheFirst_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en_US.UTF-8"
                             << "0409";
    QTest::newRow("German") << "de_DE.UTF-8"
                            << "0407";
    QTest::newRow("Japanese") << "ja_JP.UTF-8"
                              << "0411";
    QTest::newRow("Arabic") << "ar_SA.UTF-8"
                            << "0401";
    QTest::newRow("French") << "fr_FR.UTF-8"
                            << "040c";
    QTest::newRow("Chinese (Taiwan)") << "zh_TW.UTF-8"
                                      << "0404";
    QTest::newRow("Portuguese (Portugal) uses ORVI_PT") << "pt_PT.UTF-8"
                                                        << "0416";
    QTest::newRow("French (Canada) has no module of its own") << "fr_CA.UTF-8"
                                                              << "040c";
    QTest::newRow("Hebrew has no row: English") << "he_IL.UTF-8"
                                                << "0409";
}

void StartupTest::startsInTheUiLanguageAndHandsASecondStartToTheFirst() {
    QFETCH(QString, locale);
    QFETCH(QString, language);
    const QString program = ProgramWith(AllModules());

    QProcess first;
    Start(first, program, locale);
    // The window is up once the instance answers on its channel.
    QTRY_VERIFY_WITH_TIMEOUT(ChannelAnswers(), kProcessTimeoutMs);
    QCOMPARE(UserLanguage(), language);

    QProcess second;
    second.setProcessChannelMode(QProcess::MergedChannels);
    Start(second, program, locale);
    QVERIFY(second.waitForFinished(kProcessTimeoutMs));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    QVERIFY(first.waitForFinished(kProcessTimeoutMs));
}

void StartupTest::removedModuleFallsBackToTheInstallersLanguage() {
    QSettings installation(case_->filePath("system/Velor/Orvane.ini"), QSettings::IniFormat);
    installation.setValue("InstallID", "{ID}");
    installation.setValue("Language", "0407");
    installation.sync();
    QSettings user(UserSettingsFile(*case_), QSettings::IniFormat);
    user.setValue("InstallID", "{ID}");
    user.setValue("OSLang", 0x0409);
    user.setValue("Language", "0411");  // its module was removed since
    user.sync();

    QProcess process;
    Start(process, ProgramWith({"ORVI_EN.qm", "ORVI_DE.qm"}), "en_US.UTF-8");
    QTRY_VERIFY_WITH_TIMEOUT(ChannelAnswers(), kProcessTimeoutMs);
    QCOMPARE(UserLanguage(), QStringLiteral("0407"));
    process.terminate();
    QVERIFY(process.waitForFinished(kProcessTimeoutMs));
}

void StartupTest::languageWithoutItsModuleFallsBackToEnglish() {
    QProcess process;
    const QString program = ProgramWith({"ORVI_EN.qm"});
    Start(process, program, "fr_FR.UTF-8");
    QTRY_VERIFY_WITH_TIMEOUT(ChannelAnswers(), kProcessTimeoutMs);
    QCOMPARE(UserLanguage(), QStringLiteral("040c"));  // the choice stays for when the module is back
    process.terminate();
    QVERIFY(process.waitForFinished(kProcessTimeoutMs));
    QCOMPARE(
        QString::fromUtf8(process.readAllStandardError()),
        "orvane: cannot load the language module " + QFileInfo(program).dir().filePath("ORVI_FR.qm") + "\n");
}

void StartupTest::missingModuleEndsWithoutAWindow() {
    // Only German is there, but the user's UI language is English.
    QProcess process;
    const QString program = ProgramWith({"ORVI_DE.qm"});
    Start(process, program, "en_US.UTF-8");
    QVERIFY(process.waitForFinished(kProcessTimeoutMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(
        QString::fromUtf8(process.readAllStandardError()),
        "orvane: cannot load the language module " + QFileInfo(program).dir().filePath("ORVI_EN.qm") + "\n");
    QCOMPARE(UserLanguage(), QStringLiteral("0409"));
    QVERIFY(!NamedObject::Exists(orvane::kInstanceObjectName));
}

void StartupTest::unloadableModuleEndsWithoutAWindow() {
    const QString program = ProgramWith({});
    QFile module(QFileInfo(program).dir().filePath("ORVI_EN.qm"));
    QVERIFY(module.open(QIODevice::WriteOnly));
    module.write("this is not a language module");
    module.close();
    QProcess process;
    Start(process, program, "en_US.UTF-8");
    QVERIFY(process.waitForFinished(kProcessTimeoutMs));
    QCOMPARE(process.exitCode(), 1);
}

void StartupTest::secondStartRestoresTheMinimizedWindow_data() {
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("restored");
    QTest::newRow("minimized") << int(Qt::WindowMinimized) << int(Qt::WindowNoState);
    QTest::newRow("minimized from maximized")
        << int(Qt::WindowMinimized | Qt::WindowMaximized) << int(Qt::WindowMaximized);
    QTest::newRow("maximized stays maximized") << int(Qt::WindowMaximized) << int(Qt::WindowMaximized);
}

void StartupTest::secondStartRestoresTheMinimizedWindow() {
    QFETCH(int, shown);
    QFETCH(int, restored);
    NamedObject object;
    QCOMPARE(orvane::ClaimSingleInstance(&object), InstanceOutcome::Run);
    QWidget window;
    window.setWindowTitle("running instance");
    window.setWindowState(Qt::WindowStates(shown));
    window.show();
    orvane::InstanceServer server;
    server.SetWindow(&window);
    QVERIFY(server.Listen(orvane::InstanceChannelPath()));

    QProcess second;
    second.setProcessChannelMode(QProcess::MergedChannels);
    Start(second, ProgramWith({"ORVI_EN.qm"}), "en_US.UTF-8");
    // The event loop must run while the second process asks this one to show its window.
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, kProcessTimeoutMs);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(int(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)), restored);
    QVERIFY(window.isVisible());
}

void StartupTest::heldObjectWithoutAWindowLetsASecondInstanceRun() {
    NamedObject first;
    QCOMPARE(orvane::ClaimSingleInstance(&first), InstanceOutcome::Run);
    // Nobody listens in this session: the holder runs in another session of this user.
    QFile::remove(orvane::InstanceChannelPath());
    NamedObject second;
    QCOMPARE(orvane::ClaimSingleInstance(&second), InstanceOutcome::RunAsSecond);
    // The second instance keeps the object for its lifetime, as the first did.
    first.Release();
    QVERIFY(NamedObject::Exists(orvane::kInstanceObjectName));
    NamedObject third;
    QCOMPARE(orvane::ClaimSingleInstance(&third), InstanceOutcome::RunAsSecond);
    second.Release();
    third.Release();
    QCOMPARE(orvane::ClaimSingleInstance(&second), InstanceOutcome::Run);
}

void StartupTest::objectFolderIsUsedOrRefusedByName_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("private") << 0700 << QString();
    QTest::newRow("sticky") << 01777 << QString();
    QTest::newRow("world-writable") << 0777 << "can be written by other users but lacks the sticky bit";
}

void StartupTest::objectFolderIsUsedOrRefusedByName() {
    QFETCH(int, mode);
    QFETCH(QString, refusal);
    const QString objects = case_->filePath("objects");
    QVERIFY(QDir().mkpath(objects));
    QCOMPARE(::chmod(QFile::encodeName(objects).constData(), static_cast<mode_t>(mode)), 0);
    QProcess process;
    QProcessEnvironment environment = Environment("en_US.UTF-8");
    environment.insert("ORVANE_OBJECT_DIR", objects);
    process.setProcessEnvironment(environment);
    process.start(ProgramWith({"ORVI_EN.qm"}), {});
    QVERIFY(process.waitForStarted(kProcessTimeoutMs));
    if (refusal.isEmpty()) {
        QTRY_VERIFY_WITH_TIMEOUT(ChannelAnswers(), kProcessTimeoutMs);
        process.terminate();
        QVERIFY(process.waitForFinished(kProcessTimeoutMs));
        QCOMPARE(process.readAllStandardError(), QByteArray());
    } else {
        QVERIFY(process.waitForFinished(kProcessTimeoutMs));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 "orvane: the object folder " + objects + " " + refusal + "\n");
    }
    struct stat folder {};
    QCOMPARE(::stat(QFile::encodeName(objects).constData(), &folder), 0);
    QCOMPARE(int(folder.st_mode & 07777), mode);  // used or refused, never repaired
}

void StartupTest::anotherUsersInstanceRefusesWithMessage177() {
    if (::geteuid() != 0) QSKIP("needs root to hold the object as another user");
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    const QString flock = QStandardPaths::findExecutable("flock");
    if (setpriv.isEmpty() || flock.isEmpty()) QSKIP("needs setpriv and flock");
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));

    const QString lock = QString::fromStdString(NamedObject::PathFor(orvane::kInstanceObjectName));
    QProcess holder;  // "nobody" holds the object until its standard input closes
    holder.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", flock, "-o", lock, "cat"});
    QVERIFY(holder.waitForStarted(kProcessTimeoutMs));
    QTRY_VERIFY_WITH_TIMEOUT(NamedObject::Exists(orvane::kInstanceObjectName), kProcessTimeoutMs);

    NamedObject object;
    orvane::InstanceObjectStatus status = orvane::InstanceObjectStatus::Failed;
    orvane::CreateInstanceObject(orvane::kInstanceObjectName, &status);
    QCOMPARE(status, orvane::InstanceObjectStatus::HeldByOtherUser);
    MessageBoxWatcher watcher(QMessageBox::Ok);
    QCOMPARE(orvane::ClaimSingleInstance(&object), InstanceOutcome::LeaveRefused);
    QVERIFY(watcher.Seen().seen);
    QCOMPARE(watcher.Seen().text, orvane::LoadString(orvane::ids::kMsgRunningElsewhere));
    QCOMPARE(watcher.Seen().icon, QMessageBox::Critical);
    QVERIFY(!object.IsHeld());

    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(kProcessTimeoutMs));
    QTRY_VERIFY_WITH_TIMEOUT(!NamedObject::Exists(orvane::kInstanceObjectName), kProcessTimeoutMs);
}

void StartupTest::plantedInstanceObjectEndsStartUpSilently_data() {
    AddPlantRows();
}

// Another local user left something under the object's name in the machine-wide folder.
void StartupTest::plantedInstanceObjectEndsStartUpSilently() {
    QFETCH(QString, plant);
    const PlantedName planted(
        *case_, QByteArray::fromStdString(NamedObject::PathFor(orvane::kInstanceObjectName)), plant);
    QVERIFY(planted.IsPlanted());

    NamedObject object;
    QCOMPARE(orvane::ClaimSingleInstance(&object), InstanceOutcome::LeaveSilently);
    QVERIFY(!object.IsHeld());
    QProcess process;
    Start(process, ProgramWith({"ORVI_EN.qm"}), "en_US.UTF-8");
    QVERIFY(process.waitForFinished(kProcessTimeoutMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);

    QVERIFY(planted.VictimUntouched());
}

void StartupTest::consoleRequestNeedsNoDisplay_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("help")
        << "--help"
        << R"((?s)^Usage:\n  orvane \[/TALV\]\n  orvane /DS "/PrinterName,PRINTER,"\n.*orvane\(1\).*$)";
    QTest::newRow("version") << "--version"
                             << R"(^orvane [0-9]+\.[0-9]+\.[0-9]+\n$)";
}

void StartupTest::consoleRequestNeedsNoDisplay() {
    QFETCH(QString, argument);
    QFETCH(QString, pattern);
    QProcessEnvironment environment = Environment("en_US.UTF-8");
    // A window would need the X server that is not there and fail.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(ProgramWith({}), {argument});
    QVERIFY(process.waitForFinished(kProcessTimeoutMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(QRegularExpression(pattern).match(out).hasMatch(), qPrintable(out));
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QVERIFY(!NamedObject::Exists(orvane::kInstanceObjectName));
}

void StartupTest::consoleRequestCountsOnlyAsTheFirstArgument() {
    // The driver's printer name may hold any word, "--help" too.
    QProcess process;
    Start(process, ProgramWith({"ORVI_EN.qm"}), "en_US.UTF-8", {"/DS", "/PrinterName,Fax", "--help", "2,"});
    QTRY_VERIFY_WITH_TIMEOUT(ChannelAnswers(), kProcessTimeoutMs);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    process.terminate();
    QVERIFY(process.waitForFinished(kProcessTimeoutMs));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
