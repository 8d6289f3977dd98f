#include <QtTest>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include "app/rsu_main.h"
#include "message_box_answerer.h"
#include "modal_steps.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "sim_printer.h"
#include "sim_printers_file.h"
#include "ui/language_module.h"

using orvane::CRSUMain;
using orvane::DirectoryCopy;
using orvane::DirectoryData;
namespace ids = orvane::ids;

// Write after someone changed the printer: Merge... in message 170, the review, Merge and Write.
class WindowMergeTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void changesOnThePrinterAndHereBothEndOnThePrinter();
    void conflictIsSettledInTheReview_data();
    void conflictIsSettledInTheReview();

  private:
    // The window, shown, with the directory of "Office Fax" read.
    bool ReadOfficeFax(CRSUMain& window);
    // Changes the printer's directory as another program would: reads it, lets `edit` change the
    // copy and writes it back.
    static bool ChangeOnThePrinter(const std::function<void(DirectoryData&)>& edit);
    // Presses Write and answers message 170 with Merge...; `review` acts on the review dialog.
    // The texts of the message boxes that followed it.
    static QStringList WriteWithMerge(CRSUMain& window, const ModalSteps::Step& review);
    // The lines of the review: "<slot> | <printer> | <here> | <change> | <taken>".
    static QStringList Rows(QWidget* review);
    static QStringList Dropped(QWidget* review);
    static void Press(QWidget* dialog, int id) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::number(id)), Qt::LeftButton);
    }
    static QString StateLine(const SimPrinter& sim, const QString& start);
    static orvane::DialEntry& Slot(DirectoryData& data, std::string_view id);

    QTemporaryDir folder_;
};

void WindowMergeTest::initTestCase() {
    QVERIFY(folder_.isValid());
    UseSettingsFolder(folder_);
    qputenv("XDG_DATA_HOME", folder_.filePath("data").toUtf8());
    QVERIFY(UseObjectFolders(folder_));
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

bool WindowMergeTest::ReadOfficeFax(CRSUMain& window) {
    window.show();
    auto* printers = window.findChild<QComboBox*>(QString::number(ids::kIdcPrinterList));
    printers->setCurrentIndex(printers->findText("Office Fax"));
    QTest::mouseClick(window.findChild<QPushButton*>(QString::number(ids::kIdcRead)), Qt::LeftButton);
    return window.RemoteSetup() != nullptr;
}

bool WindowMergeTest::ChangeOnThePrinter(const std::function<void(DirectoryData&)>& edit) {
    orvane::CRSUFuncRemoteSetup other;
    if (other.SetPrinterName("Other") != 0 || other.SetPortName("USB001") != 0 || other.ReadFromDevice() != 0)
        return false;
    edit(*other.Copy(DirectoryCopy::Working));
    return other.CheckDeviceUnchanged() == 0 && other.WriteToDevice() == 0;
}

QStringList WindowMergeTest::WriteWithMerge(CRSUMain& window, const ModalSteps::Step& review) {
    ModalSteps steps;
    steps.Press("box", ids::kIdsMergeButton).Then(QString::number(ids::kIddMergeReview), review).Box();
    QTest::mouseClick(window.findChild<QPushButton*>(QString::number(ids::kIdOk)), Qt::LeftButton);
    return steps.Done() ? steps.BoxTexts() : steps.Problems();
}

QStringList WindowMergeTest::Rows(QWidget* review) {
    QStringList rows;
    auto* list = review->findChild<QTreeWidget*>(QString::number(ids::kIdcMergeList));
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells << list->topLevelItem(i)->text(column);
        rows << cells.join(" | ");
    }
    return rows;
}

QStringList WindowMergeTest::Dropped(QWidget* review) {
    QStringList lines;
    auto* list = review->findChild<QListWidget*>(QString::number(ids::kIdcMergeDropped));
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

QString WindowMergeTest::StateLine(const SimPrinter& sim, const QString& start) {
    QFile state(sim.StateFile());
    if (!state.open(QIODevice::ReadOnly)) return {};
    for (const QString& line : QString::fromUtf8(state.readAll()).split('\n')) {
        if (line.startsWith(start)) return line;
    }
    return {};
}

orvane::DialEntry& WindowMergeTest::Slot(DirectoryData& data, std::string_view id) {
    for (orvane::DialEntry& entry : data.entries) {
        if (orvane::FieldText(entry.slot_id) == id) return entry;
    }
    return data.entries.front();
}

// The printer emptied *05 and changed rejected number 02; here the group *00, which names *05, was
// renamed and rejected number 01 changed. All four reach the printer; *05 leaves the group.
void WindowMergeTest::changesOnThePrinterAndHereBothEndOnThePrinter() {
    SimPrinter sim;
    QVERIFY(InstallSimPrinters(sim, folder_.filePath("printers")));
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    QVERIFY(ReadOfficeFax(window));
    QVERIFY(ChangeOnThePrinter([](DirectoryData& data) {
        orvane::DialEntry& emptied = Slot(data, "*05");
        emptied.kind = orvane::EntryKind::Empty;
        orvane::StoreText(emptied.name, "");
        orvane::StoreText(emptied.number, "");
        orvane::StoreText(data.rejects[1].number, "0222");
    }));
    DirectoryData& working = *window.RemoteSetup()->Copy(DirectoryCopy::Working);
    orvane::StoreText(Slot(working, "*00").name, "Team");
    orvane::StoreText(working.rejects[0].number, "0111");

    QStringList rows;
    QStringList dropped;
    const QStringList boxes = WriteWithMerge(window, [&](QWidget* review) {
        rows = Rows(review);
        dropped = Dropped(review);
        Press(review, ids::kIdcMergeWrite);
    });
    QCOMPARE(
        rows,
        (QStringList{
            "*00 | Office (group of 01 04 *05 *09) | Team (group of 01 04 *05 *09) | In this window | "
            "This window's",
            QString::fromUtf8("*05 | (empty) | M\xC3\xBCller, 0301234567 | On the printer | The printer's"),
            "Rejected 01 | 0900123456 | 0111 | In this window | This window's",
            "Rejected 02 | 0222 | (empty) | On the printer | The printer's",
        }));
    QCOMPARE(dropped, QStringList{"Group *00 loses member *05"});
    QCOMPARE(boxes, QStringList{orvane::LoadString(ids::kMsgWritten)});
    QCOMPARE(StateLine(sim, "dial *00 "), QString("dial *00 group \"Team\" *09 01 04"));
    QCOMPARE(StateLine(sim, "dial *05 "), QString("dial *05 empty"));
    QCOMPARE(StateLine(sim, "reject 01 "), QString("reject 01 \"0111\""));
    QCOMPARE(StateLine(sim, "reject 02 "), QString("reject 02 \"0222\""));
    // The merge is now the directory as read: another Write finds nothing to ask or to send.
    QCOMPARE(window.RemoteSetup()->IsModified(), 0);
    MessageBoxAnswerer answerer;
    QTest::mouseClick(window.findChild<QPushButton*>(QString::number(ids::kIdOk)), Qt::LeftButton);
    QVERIFY2(answerer.Texts().isEmpty(), qPrintable(answerer.Texts().join('|')));
    QCOMPARE(sim.Count("SendData"), 2);
}

void WindowMergeTest::conflictIsSettledInTheReview_data() {
    QTest::addColumn<int>("side");  // the button pressed for the conflict, or 0 for none
    QTest::addColumn<QString>("taken");
    QTest::addColumn<QString>("written");
    QTest::newRow("this window's by default") << 0 << "This window's"
                                              << "0111";
    QTest::newRow("the printer's") << int(ids::kIdcMergeTakePrinter) << "The printer's"
                                   << "0999";
    QTest::newRow("back to this window's") << int(ids::kIdcMergeKeepHere) << "This window's"
                                           << "0111";
}

void WindowMergeTest::conflictIsSettledInTheReview() {
    QFETCH(int, side);
    QFETCH(QString, taken);
    QFETCH(QString, written);
    SimPrinter sim;
    QVERIFY(InstallSimPrinters(sim, folder_.filePath("printers")));
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    QVERIFY(ReadOfficeFax(window));
    QVERIFY(
        ChangeOnThePrinter([](DirectoryData& data) { orvane::StoreText(data.rejects[0].number, "0999"); }));
    orvane::StoreText(window.RemoteSetup()->Copy(DirectoryCopy::Working)->rejects[0].number, "0111");

    QStringList rows;
    bool buttons_enabled = false;
    const QStringList boxes = WriteWithMerge(window, [&](QWidget* review) {
        buttons_enabled =
            review->findChild<QPushButton*>(QString::number(ids::kIdcMergeTakePrinter))->isEnabled();
        // The other side first, so that each button is seen to change the choice.
        if (side == ids::kIdcMergeKeepHere) Press(review, ids::kIdcMergeTakePrinter);
        if (side != 0) Press(review, side);
        rows = Rows(review);
        Press(review, ids::kIdcMergeWrite);
    });
    QVERIFY(buttons_enabled);
    QCOMPARE(rows, QStringList{"Rejected 01 | 0999 | 0111 | Conflict | " + taken});
    QCOMPARE(boxes, QStringList{orvane::LoadString(ids::kMsgWritten)});
    QCOMPARE(StateLine(sim, "reject 01 "), "reject 01 \"" + written + "\"");
    QCOMPARE(orvane::FieldText(window.RemoteSetup()->Copy(DirectoryCopy::Working)->rejects[0].number),
             written.toStdString());
    QCOMPARE(window.RemoteSetup()->IsModified(), 0);
}

QTEST_MAIN(WindowMergeTest)
#include "tst_window_merge.moc"
