#include <QtTest>

#include <unistd.h>
#include <QTreeWidget>

#include "app/rsu_main.h"
#include "file_dialog_answerer.h"
#include "message_box_answerer.h"
#include "read_window.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "sim_printer.h"
#include "ui/language_module.h"

using orvane::CRSUMain;
namespace ids = orvane::ids;

namespace {

const QString kMx100 = QStringLiteral("Velor MX100 series");  // product ID 0x1234 in orvkit.dat
const QString kFx200 = QStringLiteral("Velor FX200");         // product ID 0x1235
// The rejected-numbers list's number column.
constexpr int kRejectNumberColumn = 1;
// Runs a test body as an unprivileged user when the tests run as root.
constexpr char kAsOtherUser[] = "ORVANE_TEST_AS_OTHER_USER";

QString Text(int id) {
    return orvane::LoadString(id);
}

}  // namespace

// Save and Load of the main window against the virtual printer, with real file dialogs and files.
class FileCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void saveOffersRsdFilesInTheDefaultFolder();
    void saveWritesTheInvertedProductTag();
    void saveThenReadAsksNothing();
    void cancelledLoadClearsTheSavedFlag();
    void loadIntoTheSamePrinterAsksNothingAndRefreshesEveryPage();
    void fileOfAnotherModelAsks168_data();
    void fileOfAnotherModelAsks168();
    void modifiedDirectoryAsks176BeforeLoading();
    void brokenOrForeignFileShows165_data();
    void brokenOrForeignFileShows165();
    void saveIntoAFolderWithoutWriteAccessShows163();
    void openFileDialogRefusesTheEndOfTheSession();

  private:
    void StartPrinter(const QString& other_driver = kFx200);
    QString SaveFrom(CRSUMain& window, const QString& name);
    void Load(CRSUMain& window, const QString& path);

    QTemporaryDir folder_;
    std::unique_ptr<SimPrinter> sim_;
};

void FileCommandsTest::initTestCase() {
    QVERIFY(UsePrivateFolders(folder_));
}

void FileCommandsTest::init() {
    ClearUserSettings(folder_);
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
    sim_.reset();
    // Every test saves into new files: an existing one would ask before being replaced.
    QDir folder(folder_.path());
    for (const QString& file : folder.entryList({"*.rsd"}, QDir::Files)) QVERIFY(folder.remove(file));
}

void FileCommandsTest::StartPrinter(const QString& other_driver) {
    sim_ = std::make_unique<SimPrinter>();
    QVERIFY(InstallPrinters(*sim_, folder_.filePath("printers"), kMx100, other_driver));
}

QString FileCommandsTest::SaveFrom(CRSUMain& window, const QString& name) {
    const QString path = folder_.filePath(name);
    FileDialogAnswerer answerer([&](QFileDialog* dialog) { FileDialogAnswerer::Choose(dialog, path); });
    Press(window, ids::kIdcSave);
    return answerer.Answered() == 1 ? path : QString();
}

void FileCommandsTest::Load(CRSUMain& window, const QString& path) {
    FileDialogAnswerer answerer([&](QFileDialog* dialog) { FileDialogAnswerer::Choose(dialog, path); });
    Press(window, ids::kIdcLoad);
    QCOMPARE(answerer.Answered(), 1);
}

void FileCommandsTest::saveOffersRsdFilesInTheDefaultFolder() {
    StartPrinter();
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(ReadPrinter(window, "Office Fax"));
    const QString folder = folder_.filePath("data/Velor/Orvane");
    QDir(folder).removeRecursively();
    QString shown_folder;
    QStringList filters;
    QString suffix;
    bool confirms_overwrite = false;
    bool saving = false;
    FileDialogAnswerer answerer([&](QFileDialog* dialog) {
        shown_folder = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        confirms_overwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        saving = dialog->acceptMode() == QFileDialog::AcceptSave;
        FileDialogAnswerer::Choose(dialog, folder + "/office");
    });
    Press(window, ids::kIdcSave);
    QCOMPARE(answerer.Answered(), 1);
    QCOMPARE(shown_folder, folder);
    QCOMPARE(filters, QStringList{"RSD(*.rsd)"});
    QCOMPARE(suffix, QStringLiteral("rsd"));
    QVERIFY(confirms_overwrite);
    QVERIFY(saving);
    // The name without an extension gets the default one.
    QVERIFY(QFileInfo(folder + "/office.rsd").isFile());
    QVERIFY(window.IsSaved());
}

void FileCommandsTest::saveWritesTheInvertedProductTag() {
    StartPrinter();
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(ReadPrinter(window, "Office Fax"));
    const QString path = SaveFrom(window, "tag.rsd");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray head = file.read(18);
    for (char& byte : head) byte = static_cast<char>(~byte);
    QCOMPARE(head, QByteArray("<PID>0x1234</PID>", 18));
}

void FileCommandsTest::saveThenReadAsksNothing() {
    StartPrinter();
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(ReadPrinter(window, "Office Fax"));
    EditFirstRejectedNumber(window, "0987654");
    MessageBoxAnswerer answerer;
    QVERIFY(!SaveFrom(window, "saved.rsd").isEmpty());
    QVERIFY(window.IsSaved());
    Press(window, ids::kIdcRead);
    QVERIFY2(answerer.Texts().isEmpty(), qPrintable(answerer.Texts().join('|')));
    QCOMPARE(sim_->Count("StartJob"), 2);
    QVERIFY(!window.IsSaved());
}

void FileCommandsTest::cancelledLoadClearsTheSavedFlag() {
    StartPrinter();
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(ReadPrinter(window, "Office Fax"));
    EditFirstRejectedNumber(window, "0987654");
    QVERIFY(!SaveFrom(window, "saved.rsd").isEmpty());
    QVERIFY(window.IsSaved());
    {
        FileDialogAnswerer cancel(&FileDialogAnswerer::Cancel);
        Press(window, ids::kIdcLoad);
        QCOMPARE(cancel.Answered(), 1);
    }
    QVERIFY(!window.IsSaved());
    MessageBoxAnswerer answerer({Text(ids::kMsgDiscardChanges)});
    Press(window, ids::kIdcRead);
    QCOMPARE(answerer.Texts(), QStringList{Text(ids::kMsgDiscardChanges)});
    QCOMPARE(sim_->Count("StartJob"), 1);
}

void FileCommandsTest::loadIntoTheSamePrinterAsksNothingAndRefreshesEveryPage() {
    StartPrinter();
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(ReadPrinter(window, "Office Fax"));
    const QString printer_number = Cell(window, ids::kIdcRejectList, 0, kRejectNumberColumn);
    EditFirstRejectedNumber(window, "0987654");
    const QString path = SaveFrom(window, "round.rsd");
    QVERIFY(!path.isEmpty());
    // Reading again brings back the printer's directory; the saved flag lets it go unasked.
    Press(window, ids::kIdcRead);
    QCOMPARE(Cell(window, ids::kIdcRejectList, 0, kRejectNumberColumn), printer_number);
    auto* tree = Find<QTreeWidget>(window, ids::kIdcTree);
    tree->setCurrentItem(
        tree->findItems(Text(ids::kIdsTreeSender), Qt::MatchExactly | Qt::MatchRecursive)[0]);
    for (int list : {ids::kIdcSpeedDialList, ids::kIdcSenderList, ids::kIdcRejectList}) {
        Find<QTreeView>(window, list)->selectionModel()->clearSelection();
    }

    MessageBoxAnswerer answerer;
    Load(window, path);
    QVERIFY2(answerer.Texts().isEmpty(), qPrintable(answerer.Texts().join('|')));
    QCOMPARE(Cell(window, ids::kIdcRejectList, 0, kRejectNumberColumn), QStringLiteral("0987654"));
    for (int list : {ids::kIdcSpeedDialList, ids::kIdcSenderList, ids::kIdcRejectList}) {
        auto* view = Find<QTreeView>(window, list);
        QVERIFY2(view->selectionModel()->isRowSelected(0, {}), qPrintable(QString::number(list)));
        QCOMPARE(view->currentIndex().row(), 0);
    }
    // The tree and the page shown stay as they were.
    QCOMPARE(tree->currentItem()->text(0), Text(ids::kIdsTreeSender));
    QVERIFY(Find<QTreeView>(window, ids::kIdcSenderList)->isVisible());
    QVERIFY(!window.IsSaved());
}

void FileCommandsTest::fileOfAnotherModelAsks168_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK loads") << true;
    QTest::newRow("Cancel keeps") << false;
}

void FileCommandsTest::fileOfAnotherModelAsks168() {
    QFETCH(bool, accept);
    StartPrinter(kFx200);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(ReadPrinter(window, "Office Fax"));
    QCOMPARE(window.ProductId(), std::uint16_t{0x1234});
    EditFirstRejectedNumber(window, "0987654");
    const QString path = SaveFrom(window, "mx100.rsd");
    QVERIFY(!path.isEmpty());
    {
        MessageBoxAnswerer leave;  // another printer: the directory shown is closed
        QVERIFY(ReadPrinter(window, "Other Fax"));
    }
    QCOMPARE(window.ProductId(), std::uint16_t{0x1235});
    const QString printer_number = Cell(window, ids::kIdcRejectList, 0, kRejectNumberColumn);

    const QString question = Text(ids::kMsgOtherModelFile);
    MessageBoxAnswerer answerer(accept ? QStringList() : QStringList{question});
    Load(window, path);
    QCOMPARE(answerer.Texts(), QStringList{question});
    QCOMPARE(Cell(window, ids::kIdcRejectList, 0, kRejectNumberColumn),
             accept ? QStringLiteral("0987654") : printer_number);
}

void FileCommandsTest::modifiedDirectoryAsks176BeforeLoading() {
    StartPrinter();
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(ReadPrinter(window, "Office Fax"));
    EditFirstRejectedNumber(window, "0987654");
    const QString path = SaveFrom(window, "first.rsd");
    EditFirstRejectedNumber(window, "0555");
    MessageBoxAnswerer answerer({Text(ids::kMsgDiscardChanges)});
    Load(window, path);
    QCOMPARE(answerer.Texts(), QStringList{Text(ids::kMsgDiscardChanges)});
    QCOMPARE(Cell(window, ids::kIdcRejectList, 0, kRejectNumberColumn), QStringLiteral("0555"));
}

void FileCommandsTest::brokenOrForeignFileShows165_data() {
    QTest::addColumn<QByteArray>("content");
    auto inverted = [](QByteArray bytes) {
        for (char& byte : bytes) byte = static_cast<char>(~byte);
        return bytes;
    };
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain text") << QByteArray("not a directory file\r\n");
    QTest::newRow("tag not inverted") << QByteArray("<PID>0x1234</PID>", 18);
    QTest::newRow("product ID 0") << inverted(QByteArray("<PID>0x0000</PID>", 18) + "\r\nDI01\r\n");
}

void FileCommandsTest::brokenOrForeignFileShows165() {
    QFETCH(QByteArray, content);
    StartPrinter();
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(ReadPrinter(window, "Office Fax"));
    const QString printer_number = Cell(window, ids::kIdcRejectList, 0, kRejectNumberColumn);
    QFile file(folder_.filePath("broken.rsd"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    MessageBoxAnswerer answerer;
    Load(window, file.fileName());
    QCOMPARE(answerer.Texts(), QStringList{Text(ids::kMsgLoadFailed)});
    QCOMPARE(Cell(window, ids::kIdcRejectList, 0, kRejectNumberColumn), printer_number);
}

void FileCommandsTest::saveIntoAFolderWithoutWriteAccessShows163() {
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty(kAsOtherUser)) {
        // Root writes everywhere: the same test runs again as user nobody.
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kAsOtherUser, "1");
        environment.remove("XDG_RUNTIME_DIR");
        environment.insert("HOME", QDir::tempPath());
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.setWorkingDirectory(QDir::tempPath());
        child.start("setpriv",
                    {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--",
                     QCoreApplication::applicationFilePath(), "saveIntoAFolderWithoutWriteAccessShows163"});
        if (!child.waitForStarted()) QSKIP("setpriv cannot be started to run as user nobody");
        QVERIFY(child.waitForFinished(240000));
        const QByteArray output = child.readAll();
        if (child.exitCode() == 126 || child.exitCode() == 127 || output.contains("Permission denied")) {
            QSKIP(qPrintable("user nobody cannot run the test program: " + QString::fromLocal8Bit(output)));
        }
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
        return;
    }
    StartPrinter();
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(ReadPrinter(window, "Office Fax"));
    const QString locked = folder_.filePath("locked");
    QVERIFY(QDir().mkpath(locked));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    MessageBoxAnswerer answerer;
    FileDialogAnswerer dialog(
        [&](QFileDialog* shown) { FileDialogAnswerer::Choose(shown, locked + "/x.rsd"); });
    Press(window, ids::kIdcSave);
    QCOMPARE(dialog.Answered(), 1);
    QCOMPARE(answerer.Texts(), QStringList{Text(ids::kMsgSaveFailed)});
    QVERIFY(!window.IsSaved());
    QVERIFY(QDir(locked).isEmpty());
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void FileCommandsTest::openFileDialogRefusesTheEndOfTheSession() {
    StartPrinter();
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(ReadPrinter(window, "Office Fax"));
    MessageBoxAnswerer answerer;
    bool open_while_shown = false;
    bool session_may_end = true;
    FileDialogAnswerer dialog([&](QFileDialog* shown) {
        open_while_shown = window.IsFileDialogOpen();
        session_may_end = window.QueryEndSession();
        FileDialogAnswerer::Cancel(shown);
    });
    Press(window, ids::kIdcLoad);
    QCOMPARE(dialog.Answered(), 1);
    QVERIFY(open_while_shown);
    QVERIFY(!session_may_end);
    QTRY_COMPARE(answerer.Texts(), QStringList{Text(ids::kMsgSessionEndRefused)});
    QVERIFY(!window.IsFileDialogOpen());
    QVERIFY(window.RemoteSetup() != nullptr);
}

QTEST_MAIN(FileCommandsTest)
#include "tst_file_commands.moc"
