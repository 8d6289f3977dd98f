#include <QtTest>

#include <QComboBox>
#include <QMenu>
#include <QTreeWidget>

#include "app/rsu_main.h"
#include "file_dialog_answerer.h"
#include "message_box_answerer.h"
#include "modal_steps.h"
#include "popup_menu.h"
#include "read_window.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "sim_printer.h"
#include "ui/language_module.h"

using orvane::CRSUMain;
namespace ids = orvane::ids;
namespace rs = orvane::rs;

namespace {

const QString kFileDialog = QStringLiteral("QFileDialog");
// The virtual printer's typical directory has one free one-touch slot, "06"; "*02" is the first
// free coded slot.
const QString kFreeOneTouch = QStringLiteral("06");
constexpr int kNameColumn = 1;

// How a test reaches a command of the More menu.
enum class Route { Menu, Shortcut };

}  // namespace

Q_DECLARE_METATYPE(Route)

namespace {

QString Text(int id) {
    return orvane::LoadString(id);
}

// The speed-dial list's row of slot `slot`, or -1.
int RowOf(const QWidget& window, const QString& slot) {
    const QAbstractItemModel* model = Find<QTreeView>(window, ids::kIdcSpeedDialList)->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->data(model->index(row, 0)).toString() == slot) return row;
    }
    return -1;
}

QString NameIn(const QWidget& window, const QString& slot) {
    return Cell(window, ids::kIdcSpeedDialList, RowOf(window, slot), kNameColumn);
}

// The fit report's rows as "slot|name|number|result".
QStringList ReportRows(const QWidget* report) {
    QStringList rows;
    const auto* list = report->findChild<QTreeWidget*>(QString::number(ids::kIdcFitList));
    for (int i = 0; list != nullptr && i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        rows << QStringList{item->text(1), item->text(2), item->text(3), item->text(4)}.join('|');
    }
    return rows;
}

void Click(const QWidget* window, int button) {
    QTest::mouseClick(window->findChild<QPushButton*>(QString::number(button)), Qt::LeftButton);
}

// A step that chooses `path` in the file dialog.
ModalSteps::Step ChooseFile(const QString& path) {
    return [path](QWidget* dialog) { FileDialogAnswerer::Choose(static_cast<QFileDialog*>(dialog), path); };
}

// A step that records the fit report's rows in `*rows` and presses OK.
ModalSteps::Step TakeReport(QStringList* rows) {
    return [rows](QWidget* dialog) {
        *rows = ReportRows(dialog);
        Click(dialog, ids::kIdOk);
    };
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// vCard 3.0 and 2.1 cards as address books write them, without slots.
const QByteArray kCards =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Dora Fax\r\nTEL;TYPE=CELL:0170 1\r\nTEL;TYPE=WORK,FAX:030 555\r\n"
    "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:2.1\r\nN:K\xC3\xBChn;Emil;;;\r\nTEL;WORK:040-666\r\nEND:VCARD\r\n";

// An Outlook export in Windows-1252: a fax for one contact, a business phone for the other.
const QByteArray kOutlook =
    "\"First Name\",\"Middle Name\",\"Last Name\",\"Company\",\"Business Fax\",\"Business Phone\","
    "\"Home Phone\"\r\n"
    "\"J\xFCrgen\",\"\",\"K\xFChn\",\"\",\"030 777\",\"030 111\",\"\"\r\n"
    "\"Gerda\",\"\",\"Ohm\",\"Ohm GmbH\",\"\",\"040 888\",\"040 999\"\r\n";

}  // namespace

// Import and Export of the More menu against the virtual printer, with real dialogs and files.
class ImportExportTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void moreMenuHoldsImportAndExportWhileADirectoryIsShown();
    void importedContactsReachThePrinterOnWrite_data();
    void importedContactsReachThePrinterOnWrite();
    void cancelOnTheReportChangesNothing();
    void exportThenImportChangesNothing_data();
    void exportThenImportChangesNothing();
    void unrecognisedColumnsAreAsked_data();
    void unrecognisedColumnsAreAsked();
    void aFileThatCannotBeImportedSaysWhy();

  private:
    // Shows `window` and reads the printer.
    void ReadIntoWindow(CRSUMain& window);
    // Runs command `command` of the More menu.
    void Run(CRSUMain& window, int command, Route route);
    // Runs Import by `route` and waits until `steps` answered its dialogs.
    void Import(CRSUMain& window, Route route, ModalSteps& steps);

    QTemporaryDir folder_;
    std::unique_ptr<SimPrinter> sim_;
};

void ImportExportTest::initTestCase() {
    QVERIFY(UsePrivateFolders(folder_));
    // Files that are not Unicode are read in the locale's 8-bit code page: Windows-1252 here.
    qputenv("LC_ALL", "C.UTF-8");
}

void ImportExportTest::init() {
    ClearUserSettings(folder_);
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
    sim_.reset();
    sim_ = std::make_unique<SimPrinter>();
    QVERIFY(InstallPrinters(*sim_, folder_.filePath("printers"), "Velor MX100 series", "Velor FX200"));
}

void ImportExportTest::ReadIntoWindow(CRSUMain& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(ReadPrinter(window, "Office Fax"));
}

void ImportExportTest::Run(CRSUMain& window, int command, Route route) {
    if (route == Route::Shortcut) {
        QTest::keyClick(&window, command == ids::kCmdImport ? Qt::Key_I : Qt::Key_E, Qt::ControlModifier);
        return;
    }
    PopupMenu menu(command);
    Press(window, ids::kIdcMore);
    QVERIFY(menu.Seen());
}

void ImportExportTest::Import(CRSUMain& window, Route route, ModalSteps& steps) {
    Run(window, ids::kCmdImport, route);
    QTRY_VERIFY2(steps.Done(), qPrintable(steps.Problems().join("; ") + "; met " + steps.Met().join(", ")));
}

void ImportExportTest::moreMenuHoldsImportAndExportWhileADirectoryIsShown() {
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    auto* more = Find<QPushButton>(window, ids::kIdcMore);
    QVERIFY(more != nullptr);
    QVERIFY(!more->isVisible());
    ReadIntoWindow(window);
    QVERIFY(more->isVisible());
    QCOMPARE(more->accessibleName(), QStringLiteral("More"));
    QCOMPARE(more->toolTip(), Text(ids::kIdsMoreTip));
    PopupMenu menu;
    Press(window, ids::kIdcMore);
    QVERIFY(menu.Seen());
    QCOMPARE(menu.MenuId(), QString::number(ids::kMenuMore));
    QCOMPARE(menu.Commands(),
             (QMap<int, bool>{{ids::kCmdImport, true}, {ids::kCmdExport, true}, {ids::kCmdCheck, true}}));
    const QMap<int, QString> shortcuts = {
        {ids::kCmdImport, "Ctrl+I"}, {ids::kCmdExport, "Ctrl+E"}, {ids::kCmdCheck, "Ctrl+K"}};
    for (QAction* action : more->menu()->actions()) {
        QCOMPARE(action->shortcut().toString(), shortcuts.value(action->objectName().toInt()));
        QVERIFY(!action->text().isEmpty());
    }
}

void ImportExportTest::importedContactsReachThePrinterOnWrite_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Route>("route");
    QTest::addColumn<QStringList>("report");
    QTest::addColumn<QStringList>("state");
    QTest::newRow("vCard by the menu")
        << "contacts.vcf" << kCards << Route::Menu
        << QStringList{"06|Dora Fax|030 555|Placed", "*02|Emil K\u00FChn|040666|Changed"}
        << QStringList{"dial 06 individual \"Dora Fax\" \"030 555\"",
                       "dial *02 individual \"Emil K\u00FChn\" \"040666\""};
    QTest::newRow("Outlook CSV by Ctrl+I")
        << "outlook.csv" << kOutlook << Route::Shortcut
        << QStringList{"06|J\u00FCrgen K\u00FChn|030 777|Placed", "*02|Gerda Ohm|040 888|Placed"}
        << QStringList{"dial 06 individual \"J\u00FCrgen K\u00FChn\" \"030 777\"",
                       "dial *02 individual \"Gerda Ohm\" \"040 888\""};
}

void ImportExportTest::importedContactsReachThePrinterOnWrite() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(Route, route);
    QFETCH(QStringList, report);
    QFETCH(QStringList, state);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    ReadIntoWindow(window);
    window.SetSavedFlag();
    const QString path = folder_.filePath(name);
    WriteFile(path, bytes);
    QStringList rows;
    ModalSteps steps;
    steps.Then(kFileDialog, ChooseFile(path)).Then(QString::number(ids::kIddFitReport), TakeReport(&rows));
    Import(window, route, steps);
    QCOMPARE(rows, report);
    QCOMPARE(NameIn(window, kFreeOneTouch), report[0].section('|', 1, 1));
    QCOMPARE(window.RemoteSetup()->IsModified(), rs::kModified);
    QVERIFY(!window.IsSaved());
    QCOMPARE(sim_->Count("SendData"), 0);

    MessageBoxAnswerer answerer;
    Press(window, ids::kIdOk);
    QCOMPARE(answerer.Texts(), QStringList{Text(ids::kMsgWritten)});
    const QString held = QString::fromUtf8(FileBytes(sim_->StateFile()));
    for (const QString& line : state) QVERIFY2(held.contains(line), qPrintable(line + " not in\n" + held));
}

void ImportExportTest::cancelOnTheReportChangesNothing() {
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    ReadIntoWindow(window);
    window.SetSavedFlag();
    const QString path = folder_.filePath("contacts.vcf");
    WriteFile(path, kCards);
    ModalSteps steps;
    steps.Then(kFileDialog, ChooseFile(path)).Press(QString::number(ids::kIddFitReport), ids::kIdCancel);
    Import(window, Route::Menu, steps);
    QCOMPARE(window.RemoteSetup()->IsModified(), rs::kSuccess);
    QVERIFY(window.IsSaved());
    QCOMPARE(NameIn(window, kFreeOneTouch), QString());
}

void ImportExportTest::exportThenImportChangesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("starts");
    QTest::newRow("vCard") << "shown.vcf" << QByteArray("BEGIN:VCARD\r\n");
    QTest::newRow("CSV") << "shown.csv" << QByteArray("slot,kind,name,number,members\r\n");
    QTest::newRow("JSON") << "shown.json" << QByteArray("{");
}

void ImportExportTest::exportThenImportChangesNothing() {
    QFETCH(QString, name);
    QFETCH(QByteArray, starts);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    ReadIntoWindow(window);
    const QString path = folder_.filePath(name);
    QStringList filters;
    bool saving = false;
    ModalSteps exported;
    exported.Then(kFileDialog, [&](QWidget* shown) {
        auto* dialog = static_cast<QFileDialog*>(shown);
        filters = dialog->nameFilters();
        saving = dialog->acceptMode() == QFileDialog::AcceptSave;
        FileDialogAnswerer::Choose(dialog, path);
    });
    Run(window, ids::kCmdExport, Route::Shortcut);
    QTRY_VERIFY2(exported.Done(), qPrintable(exported.Problems().join("; ")));
    QCOMPARE(filters, (QStringList{"vCard address book (*.vcf *.vcard)", "CSV table (*.csv)",
                                   "JSON directory (*.json)"}));
    QVERIFY(saving);
    QVERIFY(FileBytes(path).startsWith(starts));

    QStringList rows;
    ModalSteps imported;
    imported.Then(kFileDialog, ChooseFile(path)).Then(QString::number(ids::kIddFitReport), TakeReport(&rows));
    Import(window, Route::Menu, imported);
    QVERIFY(!rows.isEmpty());
    for (const QString& row : rows) QVERIFY2(row.endsWith("|Placed"), qPrintable(row));
    QCOMPARE(window.RemoteSetup()->IsModified(), rs::kSuccess);
}

void ImportExportTest::unrecognisedColumnsAreAsked_data() {
    QTest::addColumn<bool>("choose");
    QTest::newRow("columns chosen") << true;
    QTest::newRow("Cancel") << false;
}

void ImportExportTest::unrecognisedColumnsAreAsked() {
    QFETCH(bool, choose);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    ReadIntoWindow(window);
    const QString path = folder_.filePath("liste.csv");
    WriteFile(path, "Notiz;Kontakt;Rufnummer\r\nx;Dora;030 555\r\n");
    QStringList offered;
    QStringList rows;
    ModalSteps steps;
    steps.Then(kFileDialog, ChooseFile(path))
        .Then(QString::number(ids::kIddColumnChoice), [&](QWidget* dialog) {
            auto* name = dialog->findChild<QComboBox*>(QString::number(ids::kIdcColumnName));
            auto* number = dialog->findChild<QComboBox*>(QString::number(ids::kIdcColumnNumber));
            for (int i = 0; i < name->count(); ++i) offered << name->itemText(i);
            name->setCurrentIndex(1);
            number->setCurrentIndex(2);
            Click(dialog, choose ? ids::kIdOk : ids::kIdCancel);
        });
    if (choose) {
        steps.Then(QString::number(ids::kIddFitReport), TakeReport(&rows));
    }
    Import(window, Route::Shortcut, steps);
    QCOMPARE(offered, (QStringList{"Notiz", "Kontakt", "Rufnummer"}));
    QCOMPARE(rows, choose ? QStringList{"06|Dora|030 555|Placed"} : QStringList());
    QCOMPARE(NameIn(window, kFreeOneTouch), choose ? QStringLiteral("Dora") : QString());
}

void ImportExportTest::aFileThatCannotBeImportedSaysWhy() {
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    ReadIntoWindow(window);
    const QString path = folder_.filePath("broken.csv");
    WriteFile(path, "slot,kind,name,number,members\n01,person,Bo,12,\n");
    ModalSteps steps;
    steps.Then(kFileDialog, ChooseFile(path)).Box();
    Import(window, Route::Menu, steps);
    QCOMPARE(steps.BoxTexts(),
             QStringList{
                 Text(ids::kMsgImportRefused)
                     .arg("broken.csv",
                          "line 2: unknown kind \"person\" (empty, individual, group, sender or rejected)")});
    QCOMPARE(window.RemoteSetup()->IsModified(), rs::kSuccess);
}

QTEST_MAIN(ImportExportTest)
#include "tst_import_export.moc"
