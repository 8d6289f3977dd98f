#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/rsu_main.h"
#include "message_box_answerer.h"
#include "modal_steps.h"
#include "pages/rsu_list_ctrl.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "retype.h"
#include "settings_folder.h"
#include "sim_printer.h"
#include "sim_printers_file.h"
#include "ui/language_module.h"

using orvane::CRSUMain;
namespace ids = orvane::ids;

// A rejected number and the sender edited in the window, written, and found in the printer.
class RejectExchangeTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void editedValuesReachThePrinter();

  private:
    template <typename Control>
    static Control* Find(CRSUMain& window, int id) {
        return window.findChild<Control*>(QString::number(id));
    }
    // Picks the page row with text string `text_id` below the fax heading.
    static void ShowPage(CRSUMain& window, int text_id);
    static QByteArray StateLine(const SimPrinter& sim, const QByteArray& start);

    QTemporaryDir folder_;
};

void RejectExchangeTest::initTestCase() {
    QVERIFY(folder_.isValid());
    UseSettingsFolder(folder_);
    QVERIFY(UseObjectFolders(folder_));
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

void RejectExchangeTest::ShowPage(CRSUMain& window, int text_id) {
    auto* tree = Find<QTreeWidget>(window, ids::kIdcTree);
    const QList<QTreeWidgetItem*> rows =
        tree->findItems(orvane::LoadString(text_id), Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(rows.size(), 1);
    tree->setCurrentItem(rows.first());
}

QByteArray RejectExchangeTest::StateLine(const SimPrinter& sim, const QByteArray& start) {
    QFile state(sim.StateFile());
    if (!state.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : state.readAll().split('\n')) {
        if (line.startsWith(start)) return line;
    }
    return {};
}

void RejectExchangeTest::editedValuesReachThePrinter() {
    SimPrinter sim;
    QVERIFY(InstallSimPrinters(sim, folder_.filePath("printers")));
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* printers = Find<QComboBox>(window, ids::kIdcPrinterList);
    printers->setCurrentIndex(printers->findText("Office Fax"));
    {
        MessageBoxAnswerer answerer;
        QTest::mouseClick(Find<QPushButton>(window, ids::kIdcRead), Qt::LeftButton);
        QVERIFY2(answerer.Texts().isEmpty(), qPrintable(answerer.Texts().join('|')));
    }
    QVERIFY(window.RemoteSetup() != nullptr);

    // The third rejected number, from the keyboard.
    ShowPage(window, ids::kIdsTreeRejected);
    auto* rejects = Find<orvane::CRSUListCtrl>(window, ids::kIdcRejectList);
    QVERIFY(rejects->isVisible());
    rejects->setFocus();
    QTest::keyClick(rejects, Qt::Key_Down);
    QTest::keyClick(rejects, Qt::Key_Down);
    QCOMPARE(rejects->SelectedRows(), QList<int>{2});
    ModalSteps reject;
    reject.Then(QString::number(ids::kIddRejectedNumber), [](QWidget* dialog) {
        Retype(dialog, ids::kIdcRejectNumber, "*31 0301234#");
        QTest::keyClick(dialog->findChild<QLineEdit*>(QString::number(ids::kIdcRejectNumber)),
                        Qt::Key_Return);
    });
    QTest::keyClick(rejects, Qt::Key_Return);
    QCOMPARE(reject.Met().size(), qsizetype(1));

    // The sender, with the mouse.
    ShowPage(window, ids::kIdsTreeSender);
    auto* sender = Find<orvane::CRSUListCtrl>(window, ids::kIdcSenderList);
    QVERIFY(sender->isVisible());
    QTest::mouseClick(sender->viewport(), Qt::LeftButton, {},
                      sender->visualRect(sender->model()->index(0, 0)).center());
    ModalSteps edit_sender;
    edit_sender.Then(QString::number(ids::kIddSenderInfo), [](QWidget* dialog) {
        Retype(dialog, ids::kIdcSenderName, QString::fromUtf8("Caf\xC3\xA9 Velor"));
        Retype(dialog, ids::kIdcSenderNumber, "+49 30 5550");
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::number(ids::kIdOk)), Qt::LeftButton);
    });
    QTest::mouseDClick(sender->viewport(), Qt::LeftButton, {},
                       sender->visualRect(sender->model()->index(0, 0)).center());
    QTRY_COMPARE(edit_sender.Met().size(), qsizetype(1));

    MessageBoxAnswerer answerer;
    QTest::mouseClick(Find<QPushButton>(window, ids::kIdOk), Qt::LeftButton);
    QCOMPARE(answerer.Texts(), QStringList{orvane::LoadString(ids::kMsgWritten)});
    QCOMPARE(sim.Count("SendData"), 1);
    QCOMPARE(StateLine(sim, "reject 03 "), QByteArray("reject 03 \"*31 0301234#\""));
    QCOMPARE(StateLine(sim, "sender "), QByteArray("sender \"Caf\xC3\xA9 Velor\" \"+49 30 5550\""));
    QCOMPARE(window.RemoteSetup()->IsModified(), 0);
}

QTEST_MAIN(RejectExchangeTest)
#include "tst_reject_exchange.moc"
