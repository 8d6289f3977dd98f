#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/rsu_main.h"
#include "message_box_answerer.h"
#include "modal_steps.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/speed_dial_group.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "sim_printer.h"
#include "sim_printers_file.h"
#include "ui/language_module.h"

using orvane::CRSUListCtrl;
using orvane::CRSUMain;
namespace ids = orvane::ids;

namespace {

template <typename Control>
Control* Find(QWidget* window, int id) {
    return window->findChild<Control*>(QString::number(id));
}

int RowOf(const CRSUListCtrl* list, const QString& slot_id) {
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        if (list->SlotIdAt(row) == slot_id) return row;
    }
    return -1;
}

QStringList StateLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#')) lines << QString::fromUtf8(line);
    }
    return lines;
}

// The state file's line of slot `slot_id`.
qsizetype DialLine(const QStringList& lines, const QString& slot_id) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith("dial " + slot_id + ' ')) return i;
    }
    return -1;
}

}  // namespace

// A directory edited through the speed-dial dialogs and written is what the virtual printer holds.
class SpeedDialExchangeTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void editedEntriesReachThePrinter_data();
    void editedEntriesReachThePrinter();

  private:
    QTemporaryDir folder_;
};

void SpeedDialExchangeTest::initTestCase() {
    QVERIFY(folder_.isValid());
    UseSettingsFolder(folder_);
    QVERIFY(UseObjectFolders(folder_));
    qputenv("ORVANE_NETPORT_LIBRARY", ORVANE_NETPORT_LIBRARY);
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

void SpeedDialExchangeTest::editedEntriesReachThePrinter_data() {
    QTest::addColumn<QString>("printer");
    QTest::newRow("usb") << "Office Fax";
    QTest::newRow("tcp") << "Net Fax";
}

void SpeedDialExchangeTest::editedEntriesReachThePrinter() {
    QFETCH(QString, printer);
    SimPrinter sim;
    QVERIFY(InstallSimPrinters(sim, folder_.filePath("printers")));
    const QString state = sim.UsbFolder() + "/state";
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    auto* printers = Find<QComboBox>(&window, ids::kIdcPrinterList);
    printers->setCurrentIndex(printers->findText(printer));
    {
        MessageBoxAnswerer answerer;
        QTest::mouseClick(Find<QPushButton>(&window, ids::kIdcRead), Qt::LeftButton);
        QVERIFY2(answerer.Texts().isEmpty(), qPrintable(answerer.Texts().join('|')));
    }
    QVERIFY(window.RemoteSetup() != nullptr);
    const QStringList before = StateLines(state);
    // The typical printer leaves *02 and *03 empty.
    QCOMPARE(before.value(DialLine(before, "*02")), "dial *02 empty");
    QCOMPARE(before.value(DialLine(before, "*03")), "dial *03 empty");

    auto* list = Find<CRSUListCtrl>(&window, ids::kIdcSpeedDialList);
    auto* edit = Find<QPushButton>(&window, ids::kIdcSpeedDialEdit);
    const QString type_select = QString::number(ids::kIddEntryType);
    const QString individual = QString::number(ids::kIddIndividualEntry);
    const QString group = QString::number(ids::kIddGroupEntry);

    // An individual entry, from the keyboard: Enter on the list, Enter on OK, typing, Enter.
    ModalSteps add_individual;
    add_individual.Then(type_select, [](QWidget* choice) { QTest::keyClick(choice, Qt::Key_Return); })
        .Then(individual, [](QWidget* dialog) {
            QTest::keyClicks(Find<QLineEdit>(dialog, ids::kIdcEntryNumber), "0123");
            QTest::keyClicks(Find<QLineEdit>(dialog, ids::kIdcEntryName), "Neu");
            QTest::keyClick(Find<QLineEdit>(dialog, ids::kIdcEntryName), Qt::Key_Return);
        });
    list->setFocus();
    list->SelectRow(RowOf(list, "*02"));
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(add_individual.Done());

    // A group of 02, *05 and *01, with the mouse.
    ModalSteps add_group;
    add_group
        .Then(type_select,
              [](QWidget* choice) {
                  QTest::mouseClick(Find<QWidget>(choice, ids::kIdcTypeGroup), Qt::LeftButton);
                  QTest::mouseClick(Find<QPushButton>(choice, ids::kIdOk), Qt::LeftButton);
              })
        .Then(group, [](QWidget* dialog) {
            CRSUListCtrl* candidates = static_cast<orvane::CMPSpeedDialGroup*>(dialog)->Candidates();
            for (const char* member : {"02", "*05", "*01"}) {
                candidates->SelectRow(RowOf(candidates, member));
                QTest::mouseClick(Find<QPushButton>(dialog, ids::kIdcGroupAdd), Qt::LeftButton);
            }
            QTest::keyClicks(Find<QLineEdit>(dialog, ids::kIdcGroupName), "Team");
            QTest::mouseClick(Find<QPushButton>(dialog, ids::kIdOk), Qt::LeftButton);
        });
    list->SelectRow(RowOf(list, "*03"));
    QTest::mouseClick(edit, Qt::LeftButton);
    QVERIFY(add_group.Done());
    QVERIFY(!window.IsSaved());

    MessageBoxAnswerer answerer;
    QTest::mouseClick(Find<QPushButton>(&window, ids::kIdOk), Qt::LeftButton);
    QCOMPARE(answerer.Texts(), QStringList{orvane::LoadString(ids::kMsgWritten)});
    QCOMPARE(sim.Count("SendData"), 1);

    // Exactly the two slots changed; the group's members come back in the bitmap's slot order.
    QStringList expected = before;
    expected[DialLine(expected, "*02")] = "dial *02 individual \"Neu\" \"0123\"";
    expected[DialLine(expected, "*03")] = "dial *03 group \"Team\" *01 *05 02";
    QCOMPARE(StateLines(state), expected);
}

QTEST_MAIN(SpeedDialExchangeTest)
#include "tst_speed_dial_exchange.moc"
