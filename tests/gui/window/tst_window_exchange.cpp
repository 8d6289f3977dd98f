#include <QtTest>

#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <QTreeWidget>

#include "app/rsu_main.h"
#include "directorytools/directory_backup.h"
#include "message_box_answerer.h"
#include "pages/rsu_page.h"
#include "planted_name.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "sim_printer.h"
#include "sim_printers_file.h"
#include "transport/named_object.h"
#include "ui/language_module.h"

using orvane::CRSUMain;
namespace ids = orvane::ids;

// The window against the virtual printer: Read, Write, faults, change of printer, progress, input.
class WindowExchangeTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void readFillsThePagesAndTheTree_data();
    void readFillsThePagesAndTheTree();
    void treeRowsAreChosenThroughAccessibility_data();
    void treeRowsAreChosenThroughAccessibility();
    void treeShowsItsNamesWholeAtTheDefaultSize_data();
    void treeShowsItsNamesWholeAtTheDefaultSize();
    void readOfAModifiedDirectoryAsksUnlessSaved();
    void failedPreparationShowsItsMessageThen159();
    void writeOfAnUnchangedDirectorySendsNothing();
    void writeAfterThePrinterChangedAsks_data();
    void writeAfterThePrinterChangedAsks();
    void faultShowsItsMessage_data();
    void faultShowsItsMessage();
    void printerChangeAsksAndCancelRestores_data();
    void printerChangeAsksAndCancelRestores();
    void escapeNeverCloses();
    void progressAppearsOnlyForLongOperations_data();
    void progressAppearsOnlyForLongOperations();
    void clicksDuringAReadAreDiscarded();
    void plantedCommunicateObjectRefusesTheRead_data();
    void plantedCommunicateObjectRefusesTheRead();

  private:
    // Writes the printers file: "Office Fax" on USB001, "Net Fax" on the TCP port, both MX100.
    void InstallPrinters(const SimPrinter& printer);
    // The program folder whose model list the window reads: the shipped one (fax only), or with
    // `dummies` one whose MX100 also has the scanner and printer functions.
    QString ProgramFolder(bool dummies);
    template <typename Control>
    static Control* Find(CRSUMain& window, int id) {
        return window.findChild<Control*>(QString::number(id));
    }
    static void Press(CRSUMain& window, int id) {
        QTest::mouseClick(Find<QPushButton>(window, id), Qt::LeftButton);
    }
    static void Select(CRSUMain& window, const QString& printer);
    // Shows `window` and reads the printer chosen; true when a directory is shown.
    static bool ShowAndRead(CRSUMain& window) {
        window.show();
        Press(window, ids::kIdcRead);
        return window.RemoteSetup() != nullptr;
    }
    static int Rows(CRSUMain& window, int list_id) {
        return Find<QTreeView>(window, list_id)->model()->rowCount();
    }
    static QString Text(int id) { return orvane::LoadString(id); }

    QTemporaryDir folder_;
};

void WindowExchangeTest::initTestCase() {
    QVERIFY(folder_.isValid());
    UseSettingsFolder(folder_);
    QVERIFY(UseObjectFolders(folder_));
    qputenv("ORVANE_NETPORT_LIBRARY", ORVANE_NETPORT_LIBRARY);
}

void WindowExchangeTest::init() {
    QSettings user(UserSettingsFile(folder_), QSettings::IniFormat);
    user.clear();
    user.sync();
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

void WindowExchangeTest::InstallPrinters(const SimPrinter& printer) {
    QVERIFY(InstallSimPrinters(printer, folder_.filePath("printers")));
}

QString WindowExchangeTest::ProgramFolder(bool dummies) {
    if (!dummies) return ORVANE_TEST_PROGRAM_DIR;
    const QString program = folder_.filePath("multifunction");
    QDir().mkpath(program);
    return WriteMultifunctionModelList(program) ? program : QString();
}

void WindowExchangeTest::Select(CRSUMain& window, const QString& printer) {
    auto* list = Find<QComboBox>(window, ids::kIdcPrinterList);
    list->setCurrentIndex(list->findText(printer));
}

void WindowExchangeTest::readFillsThePagesAndTheTree_data() {
    QTest::addColumn<QString>("printer");
    QTest::newRow("usb") << "Office Fax";
    QTest::newRow("tcp") << "Net Fax";
}

void WindowExchangeTest::readFillsThePagesAndTheTree() {
    QFETCH(QString, printer);
    SimPrinter sim;
    InstallPrinters(sim);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QCOMPARE(Find<QComboBox>(window, ids::kIdcPrinterList)->count(), 2);
    Select(window, printer);
    MessageBoxAnswerer answerer;
    Press(window, ids::kIdcRead);
    QVERIFY2(answerer.Texts().isEmpty(), qPrintable(answerer.Texts().join('|')));
    QVERIFY(window.RemoteSetup() != nullptr);
    const auto& capability = window.RemoteSetup()->Capability();
    QCOMPARE(Rows(window, ids::kIdcSpeedDialList), window.RemoteSetup()->DialSlotCount());
    QCOMPARE(Rows(window, ids::kIdcSenderList), 1);
    QCOMPARE(Rows(window, ids::kIdcRejectList), capability.current_reject_tel_num);
    QVERIFY(Rows(window, ids::kIdcSpeedDialList) > 0);
    auto* speed_dial = Find<QTreeView>(window, ids::kIdcSpeedDialList);
    QVERIFY(speed_dial->isVisible());
    QVERIFY(speed_dial->selectionModel()->isRowSelected(0, {}));
    QVERIFY(Find<QPushButton>(window, ids::kIdOk)->isEnabled());
    QVERIFY(Find<QPushButton>(window, ids::kIdcSave)->isVisible());
    QVERIFY(Find<QPushButton>(window, ids::kIdcSpeedDialDelete)->isEnabled());
    QVERIFY(!Find<QPushButton>(window, ids::kIdcSenderSpare)->isEnabled());

    // The printer, the fax heading and its three pages: the shipped model list gives the model the
    // fax function alone.
    auto* tree = Find<QTreeWidget>(window, ids::kIdcTree);
    QVERIFY(tree->isVisible());
    QCOMPARE(tree->topLevelItem(0)->text(0), printer);
    QTreeWidgetItem* fax = tree->topLevelItem(0)->child(0);
    QCOMPARE(fax->text(0), Text(ids::kIdsTreeFax));
    QCOMPARE(fax->childCount(), capability.current_reject_tel_num != 0 ? 3 : 2);
    QCOMPARE(tree->currentItem()->text(0), Text(ids::kIdsTreeSpeedDial));

    // Choosing the sender row shows that page and its heading.
    tree->setCurrentItem(fax->child(1));
    QVERIFY(Find<QTreeView>(window, ids::kIdcSenderList)->isVisible());
    QVERIFY(!speed_dial->isVisible());
    QCOMPARE(Find<QLabel>(window, ids::kIdcPageHeading)->text(), Text(ids::kIdsHeadingSender));
    QSettings user(UserSettingsFile(folder_), QSettings::IniFormat);
    QCOMPARE(user.value("SelectedDevice").toString(), printer);
}

void WindowExchangeTest::treeRowsAreChosenThroughAccessibility_data() {
    QTest::addColumn<bool>("dummies");
    QTest::addColumn<int>("row");  // the string of the row chosen
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("heading");
    QTest::newRow("sender, below the dummy rows")
        << true << ids::kIdsTreeSender << ids::kIdcSenderList << ids::kIdsHeadingSender;
    QTest::newRow("rejected numbers, below the dummy rows")
        << true << ids::kIdsTreeRejected << ids::kIdcRejectList << ids::kIdsHeadingRejected;
    QTest::newRow("sender, fax only")
        << false << ids::kIdsTreeSender << ids::kIdcSenderList << ids::kIdsHeadingSender;
}

void WindowExchangeTest::treeRowsAreChosenThroughAccessibility() {
    QFETCH(bool, dummies);
    QFETCH(int, row);
    QFETCH(int, list);
    QFETCH(int, heading);
    SimPrinter sim;
    InstallPrinters(sim);
    CRSUMain window(nullptr, ProgramFolder(dummies));
    QVERIFY(ShowAndRead(window));
    auto* tree = Find<QTreeWidget>(window, ids::kIdcTree);
    QCOMPARE(tree->topLevelItem(0)->childCount(), dummies ? 3 : 1);
    // The row as a screen reader finds it, chosen with its action.
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(tree)->tableInterface();
    QAccessibleInterface* cell = nullptr;
    for (int line = 0; line < table->rowCount() && cell == nullptr; ++line) {
        if (table->cellAt(line, 0)->text(QAccessible::Name) == Text(row)) cell = table->cellAt(line, 0);
    }
    QVERIFY(cell != nullptr);
    cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(tree->currentItem()->text(0), Text(row));
    QCOMPARE(tree->selectedItems(), QList<QTreeWidgetItem*>{tree->currentItem()});
    QVERIFY(Find<QTreeView>(window, list)->isVisible());
    QVERIFY(!Find<QTreeView>(window, ids::kIdcSpeedDialList)->isVisible());
    QCOMPARE(Find<QLabel>(window, ids::kIdcPageHeading)->text(), Text(heading));
}

void WindowExchangeTest::treeShowsItsNamesWholeAtTheDefaultSize_data() {
    QTest::addColumn<bool>("dummies");
    QTest::newRow("fax only") << false;
    QTest::newRow("with the dummy rows") << true;
}

void WindowExchangeTest::treeShowsItsNamesWholeAtTheDefaultSize() {
    QFETCH(bool, dummies);
    SimPrinter sim;
    InstallPrinters(sim);
    CRSUMain window(nullptr, ProgramFolder(dummies));
    QVERIFY(ShowAndRead(window));
    window.layout()->activate();
    QCOMPARE(window.size(), QSize(788, 500));
    auto* tree = Find<QTreeWidget>(window, ids::kIdcTree);
    // The column is as wide as its widest text, and the tree shows all of it.
    const int widest = static_cast<const QAbstractItemView*>(tree)->sizeHintForColumn(0);
    QVERIFY(tree->header()->sectionSize(0) >= widest);
    QVERIFY(tree->header()->sectionSize(0) <= tree->viewport()->width());
    QVERIFY(!tree->horizontalScrollBar()->isVisible());
}

void WindowExchangeTest::readOfAModifiedDirectoryAsksUnlessSaved() {
    SimPrinter sim;
    InstallPrinters(sim);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    Press(window, ids::kIdcRead);
    QVERIFY(window.RemoteSetup() != nullptr);
    auto* working = window.RemoteSetup()->Copy(orvane::DirectoryCopy::Working);
    QVERIFY(orvane::StoreText(working->rejects[0].number, "0123"));
    {
        MessageBoxAnswerer answerer({Text(ids::kMsgDiscardChanges)});
        Press(window, ids::kIdcRead);
        QCOMPARE(answerer.Texts(), QStringList{Text(ids::kMsgDiscardChanges)});
        QCOMPARE(sim.Count("StartJob"), 1);
    }
    window.RemoteSetup()->Copy(orvane::DirectoryCopy::Working)->rejects[0].number[0] = '7';
    window.SetSavedFlag();
    MessageBoxAnswerer answerer;
    Press(window, ids::kIdcRead);
    QVERIFY(answerer.Texts().isEmpty());
    QCOMPARE(sim.Count("StartJob"), 2);
    QVERIFY(!window.IsSaved());
}

void WindowExchangeTest::writeOfAnUnchangedDirectorySendsNothing() {
    SimPrinter sim;
    InstallPrinters(sim);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    Press(window, ids::kIdcRead);
    MessageBoxAnswerer answerer;
    Press(window, ids::kIdOk);
    QVERIFY2(answerer.Texts().isEmpty(), qPrintable(answerer.Texts().join('|')));
    QCOMPARE(sim.Count("ReceiveData"), 2);
    QCOMPARE(sim.Count("SendData"), 0);
    QCOMPARE(sim.Count("EndJob"), 2);
}

void WindowExchangeTest::writeAfterThePrinterChangedAsks_data() {
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("ok writes") << true;
    QTest::newRow("cancel keeps") << false;
}

void WindowExchangeTest::writeAfterThePrinterChangedAsks() {
    QFETCH(bool, overwrite);
    SimPrinter sim({"--edit-after-read", "1"});
    InstallPrinters(sim);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    Press(window, ids::kIdcRead);
    QVERIFY(window.RemoteSetup() != nullptr);
    const QStringList cancel = overwrite ? QStringList() : QStringList{Text(ids::kMsgPrinterChanged)};
    MessageBoxAnswerer answerer(cancel);
    const std::size_t backups = orvane::ListBackups(orvane::BackupFolder(), "Office Fax").size();
    Press(window, ids::kIdOk);
    QStringList expected = {Text(ids::kMsgPrinterChanged)};
    if (overwrite) expected << Text(ids::kMsgWritten);
    QCOMPARE(answerer.Texts(), expected);
    QCOMPARE(sim.Count("SendData"), overwrite ? 1 : 0);
    // Before the write, the directory the check found (with the edit) was saved as a backup.
    const auto saved = orvane::ListBackups(orvane::BackupFolder(), "Office Fax");
    QCOMPARE(saved.size(), backups + (overwrite ? 1 : 0));
    if (overwrite) QCOMPARE(window.RemoteSetup()->CheckDirectoryFile(saved.back().path, 0x1234), 0);
    QVERIFY(window.RemoteSetup() != nullptr);
}

void WindowExchangeTest::faultShowsItsMessage_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("holder");  // a port on which another program holds a job, or empty
    QTest::addColumn<int>("message");
    QTest::newRow("link broken") << QStringList{"--disconnect-at", "3"} << QString()
                                 << ids::kMsgCommunicationFailed;
    QTest::newRow("busy with another job") << QStringList() << "tcp" << ids::kMsgPrinterBusy;
    QTest::newRow("port claimed") << QStringList() << "usb" << ids::kMsgPortClaimed;
    QTest::newRow("unsupported capability")
        << QStringList{"--set", "max_name_length=60", "--set", "current_name_length=60"} << QString()
        << ids::kMsgGeneralFailure;
}

void WindowExchangeTest::faultShowsItsMessage() {
    QFETCH(QStringList, options);
    QFETCH(QString, holder);
    QFETCH(int, message);
    SimPrinter sim(options);
    InstallPrinters(sim);
    orvane::CRSUFuncRemoteSetup other;
    if (!holder.isEmpty()) {
        QCOMPARE(other.SetPrinterName("Other"), 0);
        const QByteArray port = holder == "usb" ? QByteArray("USB001") : sim.NetworkPort().toUtf8();
        QCOMPARE(other.SetPortName(port.constData()), 0);
        QCOMPARE(other.ReadFromDevice(), 0);
        QCOMPARE(other.CheckDeviceUnchanged(), 0);  // keeps the job and the port
    }
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    MessageBoxAnswerer answerer;
    Press(window, ids::kIdcRead);
    QCOMPARE(answerer.Texts(), QStringList{Text(message)});
    QVERIFY(window.RemoteSetup() == nullptr);
    QVERIFY(!Find<QTreeWidget>(window, ids::kIdcTree)->isVisible());
    QVERIFY(!Find<QPushButton>(window, ids::kIdOk)->isEnabled());
    QVERIFY(!Find<QPushButton>(window, ids::kIdcSave)->isVisible());
    if (!holder.isEmpty()) other.FinishDeviceJob();
}

void WindowExchangeTest::printerChangeAsksAndCancelRestores_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("question");
    QTest::newRow("unchanged, cancel") << false << false << ids::kMsgClosePrinter;
    QTest::newRow("unchanged, ok") << false << true << ids::kMsgClosePrinter;
    QTest::newRow("modified, cancel") << true << false << ids::kMsgDiscardOnPrinterChange;
    QTest::newRow("modified, ok") << true << true << ids::kMsgDiscardOnPrinterChange;
}

void WindowExchangeTest::printerChangeAsksAndCancelRestores() {
    QFETCH(bool, modified);
    QFETCH(bool, accept);
    QFETCH(int, question);
    SimPrinter sim;
    InstallPrinters(sim);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    Select(window, "Office Fax");
    Press(window, ids::kIdcRead);
    QVERIFY(window.RemoteSetup() != nullptr);
    if (modified) {
        QVERIFY(orvane::StoreText(
            window.RemoteSetup()->Copy(orvane::DirectoryCopy::Working)->rejects[0].number, "55"));
    }
    MessageBoxAnswerer answerer(accept ? QStringList() : QStringList{Text(question)});
    Select(window, "Net Fax");
    QCOMPARE(answerer.Texts(), QStringList{Text(question)});
    auto* list = Find<QComboBox>(window, ids::kIdcPrinterList);
    QCOMPARE(list->currentText(), accept ? QString("Net Fax") : QString("Office Fax"));
    QCOMPARE(window.RemoteSetup() != nullptr, !accept);
    QCOMPARE(Find<QTreeWidget>(window, ids::kIdcTree)->isVisible(), !accept);
    QCOMPARE(Find<QPushButton>(window, ids::kIdOk)->isEnabled(), !accept);
}

void WindowExchangeTest::escapeNeverCloses() {
    SimPrinter sim;
    InstallPrinters(sim);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    Press(window, ids::kIdcRead);
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QVERIFY(window.RemoteSetup() != nullptr);
}

void WindowExchangeTest::progressAppearsOnlyForLongOperations_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("shown");
    QTest::newRow("quick") << QStringList() << false;
    QTest::newRow("slow") << QStringList{"--delay", "2600@ReceiveData"} << true;
}

void WindowExchangeTest::progressAppearsOnlyForLongOperations() {
    QFETCH(QStringList, options);
    QFETCH(bool, shown);
    SimPrinter sim(options);
    InstallPrinters(sim);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    // The read runs its own event loop; a timer inside it looks for the progress dialog.
    bool seen = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        auto* progress = window.findChild<QDialog*>(QString::number(ids::kIddProgress));
        if (progress != nullptr && progress->isVisible()) seen = true;
    });
    watch.start(20);
    Press(window, ids::kIdcRead);
    watch.stop();
    QVERIFY(window.RemoteSetup() != nullptr);
    QCOMPARE(seen, shown);
    QVERIFY(window.isEnabled());
    QVERIFY(window.findChild<QDialog*>(QString::number(ids::kIddProgress)) == nullptr);
}

void WindowExchangeTest::clicksDuringAReadAreDiscarded() {
    SimPrinter sim({"--delay", "800@ReceiveData"});
    InstallPrinters(sim);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    Press(window, ids::kIdcRead);
    QVERIFY(window.RemoteSetup() != nullptr);
    // During the second read: clicks on Write and Close, and Read's key.
    bool busy = false;
    QTimer::singleShot(300, &window, [&] {
        busy = window.IsBusy();
        for (int id : {ids::kIdOk, ids::kIdCancel}) {
            auto* button = Find<QPushButton>(window, id);
            const QPoint centre = button->rect().center();
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QCoreApplication::postEvent(
                    button, new QMouseEvent(type, centre, button->mapToGlobal(centre), Qt::LeftButton,
                                            Qt::LeftButton, Qt::NoModifier));
            }
        }
    });
    MessageBoxAnswerer answerer;
    Press(window, ids::kIdcRead);
    QTest::qWait(200);
    QVERIFY(busy);
    QVERIFY(answerer.Texts().isEmpty());
    QVERIFY(window.isVisible());
    QCOMPARE(sim.Count("StartJob"), 2);
    QCOMPARE(sim.Count("SendData"), 0);
}

void WindowExchangeTest::plantedCommunicateObjectRefusesTheRead_data() {
    AddPlantRows();
}

// The printer's model changed in the printing system after the list was filled: the model is not
// found (its own message 180), and the read then fails as a preparation failure (159).
void WindowExchangeTest::failedPreparationShowsItsMessageThen159() {
    SimPrinter sim;
    InstallPrinters(sim);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    Select(window, "Office Fax");
    QFile printers(folder_.filePath("printers"));
    QVERIFY(printers.open(QIODevice::WriteOnly | QIODevice::Truncate));
    printers.write("Office Fax\tOther Maker 9\tUSB001\n");
    printers.close();
    MessageBoxAnswerer answerer;
    Press(window, ids::kIdcRead);
    QCOMPARE(answerer.Texts(),
             (QStringList{Text(ids::kMsgGeneralFailure), Text(ids::kMsgCommunicationFailed)}));
    QVERIFY(window.RemoteSetup() == nullptr);
    QCOMPARE(sim.Count("StartJob"), 0);
}

// Something other than the program's own lock file under the communication's object name: the
// communication cannot begin, nothing reaches what was planted.
void WindowExchangeTest::plantedCommunicateObjectRefusesTheRead() {
    QFETCH(QString, plant);
    const PlantedName planted(
        folder_, QByteArray::fromStdString(orvane::NamedObject::PathFor("orvkitCommunicateMutex")), plant);
    QVERIFY(planted.IsPlanted());

    SimPrinter sim;
    InstallPrinters(sim);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    Select(window, "Office Fax");
    MessageBoxAnswerer answerer;
    Press(window, ids::kIdcRead);
    QCOMPARE(answerer.Texts(), QStringList{Text(ids::kMsgGeneralFailure)});
    QVERIFY(window.RemoteSetup() == nullptr);

    QVERIFY(planted.VictimUntouched());
}

QTEST_MAIN(WindowExchangeTest)
#include "tst_window_exchange.moc"
