#include <QtTest>

#include "settings_folder.h"
#include "sim_printer.h"
#include "x_display.h"

namespace {

constexpr int kTimeoutMs = 120000;

}  // namespace

// The language dialog in the real program under Xvfb: the language chosen there is the language
// of the next start.
class LanguageNextStartTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void chosenLanguageIsTheLanguageOfTheNextStart();

  private:
    QString ProgramWith(const QStringList& modules);
    void Start(QProcess& process, const QString& program);

    QTemporaryDir folder_;
};

void LanguageNextStartTest::initTestCase() {
    if (!HaveXDisplay()) QSKIP("needs an X display (xvfb-run) and xdotool");
    QVERIFY(folder_.isValid());
    UseSettingsFolder(folder_);
    QVERIFY(UseObjectFolders(folder_));
    const QString runtime = folder_.filePath("XDG_RUNTIME_DIR");
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    QFile empty(folder_.filePath("no-printers"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    qputenv("ORVANE_PRINTERS", empty.fileName().toUtf8());
}

QString LanguageNextStartTest::ProgramWith(const QStringList& modules) {
    const QDir program(folder_.filePath("program"));
    program.mkpath(".");
    const QString executable = program.filePath("orvane");
    QFile::copy(ORVANE_TEST_EXECUTABLE, executable);
    QFile::copy(QDir(ORVANE_TEST_PROGRAM_DIR).filePath("orvkit.dat"), program.filePath("orvkit.dat"));
    for (const QString& module : modules)
        QFile::copy(QDir(ORVANE_TEST_PROGRAM_DIR).filePath(module), program.filePath(module));
    return executable;
}

void LanguageNextStartTest::Start(QProcess& process, const QString& program) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_MESSAGES"}) environment.remove(name);
    environment.insert("LANG", "en_US.UTF-8");
    environment.insert("LC_ALL", "en_US.UTF-8");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, {});
    QVERIFY(process.waitForStarted(kTimeoutMs));
}

void LanguageNextStartTest::chosenLanguageIsTheLanguageOfTheNextStart() {
    const QString program = ProgramWith({"ORVI_EN.qm", "ORVI_DE.qm"});
    const QString english_title = QStringLiteral("^Orvane Fax Directory$");
    QProcess first;
    Start(first, program);
    QStringList windows;
    QTRY_VERIFY_WITH_TIMEOUT((windows = WindowsNamed(english_title)).size() == 1, kTimeoutMs);
    const QString main_window = windows[0];

    // The window's shortcut opens the dialog; English is selected, German the next entry.
    QVERIFY(TypeInto(main_window, {"ctrl+l"}));
    QTRY_VERIFY_WITH_TIMEOUT((windows = WindowsNamed(english_title)).size() == 2, kTimeoutMs);
    windows.removeAll(main_window);
    QVERIFY(TypeInto(windows[0], {"Down", "Return"}));
    QTRY_VERIFY_WITH_TIMEOUT(WindowsNamed(english_title).size() == 1, kTimeoutMs);
    // The running program stays in English; Close (Alt+C) stores the choice.
    QVERIFY(TypeInto(main_window, {"alt+c"}));
    QVERIFY(first.waitForFinished(kTimeoutMs));
    QCOMPARE(first.exitCode(), 0);
    QSettings user(UserSettingsFile(folder_), QSettings::IniFormat);
    QCOMPARE(user.value("Language").toString(), QStringLiteral("0407"));

    QProcess second;
    Start(second, program);
    QTRY_VERIFY_WITH_TIMEOUT(!WindowsNamed(QStringLiteral("^Orvane Faxverzeichnis$")).isEmpty(), kTimeoutMs);
    QVERIFY(WindowsNamed(english_title).isEmpty());
    second.terminate();
    QVERIFY(second.waitForFinished(kTimeoutMs));
}

QTEST_MAIN(LanguageNextStartTest)
#include "tst_language_next_start.moc"
