#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "modal_steps.h"
#include "pages/page_reception_reject.h"
#include "pages/page_tti.h"
#include "pages/rsu_list_ctrl.h"
#include "popup_menu.h"
#include "resources/resource_ids.h"
#include "retype.h"
#include "test_directory.h"
#include "ui/language_module.h"

using orvane::CRSUListCtrl;
using orvane::CRSUPage;
using orvane::CRSUPageReceptionReject;
using orvane::CRSUPageTTI;
namespace ids = orvane::ids;

// The rejected-numbers page and the sender page with their dialogs, through the real widgets.
class RejectPagesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void noRejectSlotsLeaveEveryCommandWithoutEffect();
    void editStoresTheNumberAndRestoresTheView();
    void editWithTheSameNumberKeepsTheSavedFlag();
    void editAfterErasingFreesTheSlot_data();
    void editAfterErasingFreesTheSlot();
    void editCancelChangesNothing();
    void editIsReachedFromMouseAndKeyboard_data();
    void editIsReachedFromMouseAndKeyboard();
    void enterOnSeveralRowsOpensNothing();
    void deleteEmptiesEverySelectedRow_data();
    void deleteEmptiesEverySelectedRow();
    void deleteScrollsBackToTheTopRow();
    void selectAllKeepsTheFocusedRow_data();
    void selectAllKeepsTheFocusedRow();
    void senderEditStoresWhatWasTyped_data();
    void senderEditStoresWhatWasTyped();
    void senderEditAfterErasingBothClearsTheSender_data();
    void senderEditAfterErasingBothClearsTheSender();
    void senderEditWithoutChangeKeepsTheSavedFlag();
    void senderNameKeepsItsAccentedLetters();
    void senderDeleteClearsBothValues();
    void senderPageHasNoSelectAllKey();
    void rejectMenuRunsTheCommands_data();
    void rejectMenuRunsTheCommands();
    void senderMenuOpensFurtherRightAndHasNoSelectAll();
    void senderMenuEditOpensTheDialog();

  private:
    // A page over `directory`, shown, active, read state applied.
    template <typename Page>
    static std::unique_ptr<Page> ShowPage(TestDirectory& directory, bool second_enabled = true);
    static QPoint RowCentre(CRSUListCtrl* list, int row) {
        return list->visualRect(list->model()->index(row, 0)).center();
    }
    static void ClickRow(CRSUListCtrl* list, int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, RowCentre(list, row));
    }
    static QString Cell(CRSUListCtrl* list, int row, int column) {
        return list->model()->index(row, column).data().toString();
    }
    static void Press(QWidget* parent, int id) {
        QTest::mouseClick(parent->findChild<QPushButton*>(QString::number(id)), Qt::LeftButton);
    }
    static int TopRow(CRSUListCtrl* list) { return list->indexAt(QPoint(1, 1)).row(); }
};

void RejectPagesTest::initTestCase() {
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

template <typename Page>
std::unique_ptr<Page> RejectPagesTest::ShowPage(TestDirectory& directory, bool second_enabled) {
    auto page = std::make_unique<Page>(&directory, nullptr);
    page->resize(520, 220);
    page->show();
    page->activateWindow();
    if (!QTest::qWaitForWindowActive(page.get())) return nullptr;
    page->RefreshList();
    page->ApplyReadState(second_enabled);
    page->List()->setFocus();
    return page;
}

void RejectPagesTest::noRejectSlotsLeaveEveryCommandWithoutEffect() {
    TestShape shape;
    shape.reject_slots = 0;
    TestDirectory directory(shape);
    QVERIFY(directory.IsValid());
    auto page = ShowPage<CRSUPageReceptionReject>(directory);
    QVERIFY(page);
    QCOMPARE(page->List()->model()->rowCount(), 0);
    directory.SetSavedFlag();
    ModalSteps driver;
    driver.Then(QString::number(ids::kIddRejectedNumber), [](QWidget* dialog) { dialog->close(); });
    QTest::keyClick(page->List(), Qt::Key_Return);
    QTest::mouseDClick(page->List()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    Press(page.get(), ids::kIdcRejectEdit);
    Press(page.get(), ids::kIdcRejectSelectAll);
    QTest::keyClick(page->List(), Qt::Key_A, Qt::ControlModifier);
    Press(page.get(), ids::kIdcRejectDelete);
    page->DeleteButton()->setFocus();
    QTest::keyClick(page->DeleteButton(), Qt::Key_Return);
    QCOMPARE(driver.Met().size(), qsizetype(0));
    QVERIFY(directory.IsSaved());
    QCOMPARE(directory.RemoteSetup()->IsModified(), 0);
    QCOMPARE(page->List()->model()->rowCount(), 0);
}

void RejectPagesTest::editStoresTheNumberAndRestoresTheView() {
    TestShape shape;
    shape.reject_slots = 30;
    TestDirectory directory(shape);
    auto page = ShowPage<CRSUPageReceptionReject>(directory);
    QVERIFY(page);
    CRSUListCtrl* list = page->List();
    list->scrollTo(list->model()->index(10, 0), QAbstractItemView::PositionAtTop);
    QCOMPARE(TopRow(list), 10);
    ClickRow(list, 12);
    directory.SetSavedFlag();
    QString slot;
    ModalSteps driver;
    driver.Then(QString::number(ids::kIddRejectedNumber), [&](QWidget* dialog) {
        slot = dialog->findChild<QLabel*>(QString::number(ids::kIdcRejectSlotId))->text();
        Retype(dialog, ids::kIdcRejectNumber, "*31 0301234#");
        Press(dialog, ids::kIdOk);
    });
    Press(page.get(), ids::kIdcRejectEdit);
    QCOMPARE(driver.Met().size(), qsizetype(1));
    QCOMPARE(slot, QString("13"));
    QCOMPARE(directory.Reject(12), std::string("*31 0301234#"));
    QCOMPARE(Cell(list, 12, 1), QString("*31 0301234#"));
    for (int other : {11, 13}) QVERIFY(directory.Reject(other).empty());
    QVERIFY(!directory.IsSaved());
    QCOMPARE(list->SelectedRows(), QList<int>{12});
    QCOMPARE(list->currentIndex().row(), 12);
    QCOMPARE(TopRow(list), 10);
    QTRY_COMPARE(page->focusWidget(), static_cast<QWidget*>(page->EditButton()));
}

void RejectPagesTest::editWithTheSameNumberKeepsTheSavedFlag() {
    TestDirectory directory;
    directory.SetReject(1, "0123");
    auto page = ShowPage<CRSUPageReceptionReject>(directory);
    QVERIFY(page);
    ClickRow(page->List(), 1);
    directory.SetSavedFlag();
    ModalSteps driver;
    driver.Then(QString::number(ids::kIddRejectedNumber), [](QWidget* dialog) {
        Retype(dialog, ids::kIdcRejectNumber, "0123");
        Press(dialog, ids::kIdOk);
    });
    QTest::keyClick(page->List(), Qt::Key_Return);
    QCOMPARE(driver.Met().size(), qsizetype(1));
    QCOMPARE(directory.Reject(1), std::string("0123"));
    QVERIFY(directory.IsSaved());
    QTRY_COMPARE(page->focusWidget(), static_cast<QWidget*>(page->EditButton()));
}

void RejectPagesTest::editAfterErasingFreesTheSlot_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("held a number") << QByteArray("5550100");
    QTest::newRow("was free") << QByteArray();
}

void RejectPagesTest::editAfterErasingFreesTheSlot() {
    QFETCH(QByteArray, before);
    TestDirectory directory;
    directory.SetReject(3, before.constData());
    directory.SetReject(4, "77");
    auto page = ShowPage<CRSUPageReceptionReject>(directory);
    QVERIFY(page);
    ClickRow(page->List(), 3);
    directory.SetSavedFlag();
    ModalSteps driver;
    driver.Then(QString::number(ids::kIddRejectedNumber), [](QWidget* dialog) {
        Retype(dialog, ids::kIdcRejectNumber, "");
        Press(dialog, ids::kIdOk);
    });
    Press(page.get(), ids::kIdcRejectEdit);
    QCOMPARE(driver.Met().size(), qsizetype(1));
    QVERIFY(directory.Reject(3).empty());
    QCOMPARE(directory.Reject(4), std::string("77"));
    QVERIFY(!directory.IsSaved());
    QCOMPARE(Cell(page->List(), 3, 0), QString("04"));
    QCOMPARE(page->List()->SelectedRows(), QList<int>{3});
}

void RejectPagesTest::editCancelChangesNothing() {
    TestDirectory directory;
    directory.SetReject(0, "12");
    auto page = ShowPage<CRSUPageReceptionReject>(directory);
    QVERIFY(page);
    directory.SetSavedFlag();
    ModalSteps driver;
    driver.Then(QString::number(ids::kIddRejectedNumber), [](QWidget* dialog) {
        Retype(dialog, ids::kIdcRejectNumber, "99");
        Press(dialog, ids::kIdCancel);
    });
    Press(page.get(), ids::kIdcRejectEdit);
    QCOMPARE(driver.Met().size(), qsizetype(1));
    QCOMPARE(directory.Reject(0), std::string("12"));
    QVERIFY(directory.IsSaved());
    QTRY_COMPARE(page->focusWidget(), static_cast<QWidget*>(page->EditButton()));
}

void RejectPagesTest::editIsReachedFromMouseAndKeyboard_data() {
    QTest::addColumn<QString>("trigger");
    QTest::newRow("double-click") << "double-click";
    QTest::newRow("Enter on the list") << "list";
    QTest::newRow("Enter on Edit") << "button";
}

void RejectPagesTest::editIsReachedFromMouseAndKeyboard() {
    QFETCH(QString, trigger);
    TestDirectory directory;
    directory.SetReject(2, "4711");
    auto page = ShowPage<CRSUPageReceptionReject>(directory);
    QVERIFY(page);
    ClickRow(page->List(), 2);
    QString shown;
    ModalSteps driver;
    driver.Then(QString::number(ids::kIddRejectedNumber), [&](QWidget* dialog) {
        shown = dialog->findChild<QLineEdit*>(QString::number(ids::kIdcRejectNumber))->text();
        dialog->close();
    });
    if (trigger == "double-click") {
        QTest::mouseDClick(page->List()->viewport(), Qt::LeftButton, {}, RowCentre(page->List(), 2));
    } else if (trigger == "list") {
        QTest::keyClick(page->List(), Qt::Key_Return);
    } else {
        page->EditButton()->setFocus();
        QTest::keyClick(page->EditButton(), Qt::Key_Return);
    }
    QTRY_COMPARE(driver.Met().size(), qsizetype(1));
    QCOMPARE(shown, QString("4711"));
}

void RejectPagesTest::enterOnSeveralRowsOpensNothing() {
    TestDirectory directory;
    auto page = ShowPage<CRSUPageReceptionReject>(directory);
    QVERIFY(page);
    ClickRow(page->List(), 1);
    ClickRow(page->List(), 2, Qt::ControlModifier);
    QCOMPARE(page->List()->SelectedRows().size(), 2);
    QVERIFY(!page->EditButton()->isEnabled());
    ModalSteps driver;
    driver.Then(QString::number(ids::kIddRejectedNumber), [](QWidget* dialog) { dialog->close(); });
    QTest::keyClick(page->List(), Qt::Key_Return);
    QCOMPARE(driver.Met().size(), qsizetype(0));
    QCOMPARE(page->List()->SelectedRows().size(), 2);
}

void RejectPagesTest::deleteEmptiesEverySelectedRow_data() {
    QTest::addColumn<bool>("by_key");
    QTest::newRow("button") << false;
    QTest::newRow("Enter on Delete") << true;
}

void RejectPagesTest::deleteEmptiesEverySelectedRow() {
    QFETCH(bool, by_key);
    TestDirectory directory;
    const char* numbers[] = {"10", "11", "", "13", "14"};
    for (int i = 0; i < 5; ++i) directory.SetReject(i, numbers[i]);
    auto page = ShowPage<CRSUPageReceptionReject>(directory);
    QVERIFY(page);
    CRSUListCtrl* list = page->List();
    ClickRow(list, 3);
    ClickRow(list, 1, Qt::ControlModifier);
    ClickRow(list, 2, Qt::ControlModifier);
    directory.SetSavedFlag();
    if (by_key) {
        page->DeleteButton()->setFocus();
        QTest::keyClick(page->DeleteButton(), Qt::Key_Return);
    } else {
        Press(page.get(), ids::kIdcRejectDelete);
    }
    for (int row : {1, 2, 3}) QVERIFY(directory.Reject(row).empty());
    QCOMPARE(directory.Reject(0), std::string("10"));
    QCOMPARE(directory.Reject(4), std::string("14"));
    QVERIFY(!directory.IsSaved());
    QCOMPARE(list->model()->rowCount(), 5);
    for (int row = 0; row < 5; ++row) QCOMPARE(Cell(list, row, 0), QString("0%1").arg(row + 1));
    QCOMPARE(list->SelectedRows(), QList<int>{1});
    QCOMPARE(list->currentIndex().row(), 1);
    QTRY_COMPARE(page->focusWidget(), static_cast<QWidget*>(page->DeleteButton()));
}

void RejectPagesTest::deleteScrollsBackToTheTopRow() {
    TestShape shape;
    shape.reject_slots = 30;
    TestDirectory directory(shape);
    directory.SetReject(14, "5");
    auto page = ShowPage<CRSUPageReceptionReject>(directory);
    QVERIFY(page);
    CRSUListCtrl* list = page->List();
    list->scrollTo(list->model()->index(10, 0), QAbstractItemView::PositionAtTop);
    ClickRow(list, 14);
    ClickRow(list, 12, Qt::ControlModifier);
    Press(page.get(), ids::kIdcRejectDelete);
    QVERIFY(directory.Reject(14).empty());
    QCOMPARE(TopRow(list), 10);
    QCOMPARE(list->SelectedRows(), QList<int>{12});
}

void RejectPagesTest::selectAllKeepsTheFocusedRow_data() {
    QTest::addColumn<bool>("by_key");
    QTest::newRow("button") << false;
    QTest::newRow("accelerator") << true;
}

void RejectPagesTest::selectAllKeepsTheFocusedRow() {
    QFETCH(bool, by_key);
    TestDirectory directory;
    auto page = ShowPage<CRSUPageReceptionReject>(directory);
    QVERIFY(page);
    ClickRow(page->List(), 2);
    directory.SetSavedFlag();
    if (by_key) {
        QTest::keyClick(page->List(), Qt::Key_A, Qt::ControlModifier);
    } else {
        Press(page.get(), ids::kIdcRejectSelectAll);
    }
    QCOMPARE(page->List()->SelectedRows(), (QList<int>{0, 1, 2, 3, 4}));
    QCOMPARE(page->List()->currentIndex().row(), 2);
    QVERIFY(directory.IsSaved());
    QTRY_COMPARE(page->focusWidget(), static_cast<QWidget*>(page->SecondButton()));
}

void RejectPagesTest::senderEditStoresWhatWasTyped_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::newRow("both") << "Velor Office"
                          << "+49 30 1234";
    QTest::newRow("a name without a number") << "Velor"
                                             << "";
    QTest::newRow("a number without a name") << ""
                                             << "+1 555";
}

void RejectPagesTest::senderEditStoresWhatWasTyped() {
    QFETCH(QString, name);
    QFETCH(QString, number);
    TestDirectory directory;
    directory.SetSender("Old", "0");
    auto page = ShowPage<CRSUPageTTI>(directory, false);
    QVERIFY(page);
    directory.SetSavedFlag();
    QString shown_name;
    ModalSteps driver;
    driver.Then(QString::number(ids::kIddSenderInfo), [&](QWidget* dialog) {
        shown_name = dialog->findChild<QLineEdit*>(QString::number(ids::kIdcSenderName))->text();
        Retype(dialog, ids::kIdcSenderName, name);
        Retype(dialog, ids::kIdcSenderNumber, number);
        Press(dialog, ids::kIdOk);
    });
    QTest::keyClick(page->List(), Qt::Key_Return);
    QCOMPARE(driver.Met().size(), qsizetype(1));
    QCOMPARE(shown_name, QString("Old"));
    QCOMPARE(QString::fromStdString(directory.SenderName()), name);
    QCOMPARE(QString::fromStdString(directory.SenderNumber()), number);
    QCOMPARE(Cell(page->List(), 0, 0), name);
    QCOMPARE(Cell(page->List(), 0, 1), number);
    QVERIFY(!directory.IsSaved());
    QCOMPARE(page->List()->SelectedRows(), QList<int>{0});
    QTRY_COMPARE(page->focusWidget(), static_cast<QWidget*>(page->EditButton()));
}

void RejectPagesTest::senderEditAfterErasingBothClearsTheSender_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("number");
    QTest::newRow("held values") << QByteArray("Al") << QByteArray("5");
    QTest::newRow("was empty") << QByteArray() << QByteArray();
}

void RejectPagesTest::senderEditAfterErasingBothClearsTheSender() {
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, number);
    TestDirectory directory;
    directory.SetSender(name.constData(), number.constData());
    auto page = ShowPage<CRSUPageTTI>(directory, false);
    QVERIFY(page);
    directory.SetSavedFlag();
    ModalSteps driver;
    driver.Then(QString::number(ids::kIddSenderInfo), [](QWidget* dialog) {
        Retype(dialog, ids::kIdcSenderName, "");
        Retype(dialog, ids::kIdcSenderNumber, "");
        Press(dialog, ids::kIdOk);
    });
    Press(page.get(), ids::kIdcSenderEdit);
    QCOMPARE(driver.Met().size(), qsizetype(1));
    const orvane::SenderInfo& sender = directory.Working().sender;
    QCOMPARE(std::count(sender.name.begin(), sender.name.end(), '\0'), qsizetype(sender.name.size()));
    QCOMPARE(std::count(sender.number.begin(), sender.number.end(), '\0'), qsizetype(sender.number.size()));
    QVERIFY(!directory.IsSaved());
}

void RejectPagesTest::senderEditWithoutChangeKeepsTheSavedFlag() {
    TestDirectory directory;
    directory.SetSender("Al", "5");
    auto page = ShowPage<CRSUPageTTI>(directory, false);
    QVERIFY(page);
    directory.SetSavedFlag();
    ModalSteps driver;
    driver.Then(QString::number(ids::kIddSenderInfo), [](QWidget* dialog) { Press(dialog, ids::kIdOk); });
    ClickRow(page->List(), 0);
    QTest::mouseDClick(page->List()->viewport(), Qt::LeftButton, {}, RowCentre(page->List(), 0));
    QTRY_COMPARE(driver.Met().size(), qsizetype(1));
    QVERIFY(directory.IsSaved());
    QCOMPARE(directory.SenderName(), std::string("Al"));
    QTRY_COMPARE(page->focusWidget(), static_cast<QWidget*>(page->EditButton()));
}

void RejectPagesTest::senderNameKeepsItsAccentedLetters() {
    TestDirectory directory;
    auto page = ShowPage<CRSUPageTTI>(directory, false);
    QVERIFY(page);
    const QString name = QString::fromUtf8("Caf\xC3\xA9 M\xC3\xBCller");
    ModalSteps driver;
    driver.Then(QString::number(ids::kIddSenderInfo), [&](QWidget* dialog) {
        Retype(dialog, ids::kIdcSenderName, name);
        Press(dialog, ids::kIdOk);
    });
    Press(page.get(), ids::kIdcSenderEdit);
    QCOMPARE(driver.Met().size(), qsizetype(1));
    // One byte per character in the printer's code, shown again as typed.
    QCOMPARE(directory.SenderName().size(), std::size_t(name.size()));
    QCOMPARE(Cell(page->List(), 0, 0), name);
}

void RejectPagesTest::senderDeleteClearsBothValues() {
    TestDirectory directory;
    directory.SetSender("Al", "5");
    auto page = ShowPage<CRSUPageTTI>(directory, false);
    QVERIFY(page);
    directory.SetSavedFlag();
    page->DeleteButton()->setFocus();
    QTest::keyClick(page->DeleteButton(), Qt::Key_Return);
    QVERIFY(directory.SenderName().empty());
    QVERIFY(directory.SenderNumber().empty());
    QVERIFY(!directory.IsSaved());
    QCOMPARE(Cell(page->List(), 0, 0), QString());
    QCOMPARE(page->List()->SelectedRows(), QList<int>{0});
    QTRY_COMPARE(page->focusWidget(), static_cast<QWidget*>(page->DeleteButton()));
}

void RejectPagesTest::senderPageHasNoSelectAllKey() {
    TestDirectory directory;
    auto page = ShowPage<CRSUPageTTI>(directory, false);
    QVERIFY(page);
    QVERIFY(page->findChild<QAction*>(QString::number(ids::kCmdSelectAll)) == nullptr);
    QVERIFY(!page->SecondButton()->isEnabled());
}

void RejectPagesTest::rejectMenuRunsTheCommands_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("Select all") << int(ids::kCmdSelectAll);
    QTest::newRow("Edit") << int(ids::kCmdEdit);
    QTest::newRow("Delete") << int(ids::kCmdDelete);
}

void RejectPagesTest::rejectMenuRunsTheCommands() {
    QFETCH(int, command);
    TestDirectory directory;
    directory.SetReject(1, "21");
    directory.SetReject(3, "23");
    auto page = ShowPage<CRSUPageReceptionReject>(directory);
    QVERIFY(page);
    ClickRow(page->List(), 3);
    ModalSteps driver;
    driver.Then(QString::number(ids::kIddRejectedNumber), [](QWidget* dialog) { dialog->close(); });
    PopupMenu menu(command);
    const QPoint at = RowCentre(page->List(), 3);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, page->List()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(page->List()->viewport(), &request);
    QVERIFY(menu.Seen());
    QCOMPARE(menu.Commands().keys(), QList<int>({ids::kCmdSelectAll, ids::kCmdEdit, ids::kCmdDelete}));
    QVERIFY(menu.Commands().value(ids::kCmdEdit));
    QCOMPARE(driver.Met().size(), command == ids::kCmdEdit ? 1 : 0);
    QCOMPARE(directory.Reject(3).empty(), command == ids::kCmdDelete);
    QCOMPARE(directory.Reject(1), std::string("21"));
    QCOMPARE(page->List()->SelectedRows().size(), command == ids::kCmdSelectAll ? 5 : 1);
    QCOMPARE(page->List()->currentIndex().row(), 3);
}

void RejectPagesTest::senderMenuOpensFurtherRightAndHasNoSelectAll() {
    TestDirectory directory;
    directory.SetSender("Al", "5");
    auto page = ShowPage<CRSUPageTTI>(directory, false);
    QVERIFY(page);
    directory.SetSavedFlag();
    CRSUListCtrl* list = page->List();
    PopupMenu menu(ids::kCmdSelectAll);
    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(menu.Seen());
    // Below the only row, 150 pixels right of the list's left edge.
    const QRect row = list->visualRect(list->model()->index(0, 0));
    QCOMPARE(menu.Position(),
             list->viewport()->mapToGlobal(QPoint(row.left() + 150, row.top() + row.height())));
    QCOMPARE(list->SelectedRows(), QList<int>{0});
    QVERIFY(directory.IsSaved());
    QCOMPARE(directory.SenderName(), std::string("Al"));
}

void RejectPagesTest::senderMenuEditOpensTheDialog() {
    TestDirectory directory;
    directory.SetSender("Al", "5");
    auto page = ShowPage<CRSUPageTTI>(directory, false);
    QVERIFY(page);
    ModalSteps driver;
    driver.Then(QString::number(ids::kIddSenderInfo), [](QWidget* dialog) {
        Retype(dialog, ids::kIdcSenderNumber, "+1");
        Press(dialog, ids::kIdOk);
    });
    PopupMenu menu(ids::kCmdEdit);
    const QPoint at = RowCentre(page->List(), 0);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, page->List()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(page->List()->viewport(), &request);
    QVERIFY(menu.Seen());
    QCOMPARE(driver.Met().size(), qsizetype(1));
    QCOMPARE(directory.SenderName(), std::string("Al"));
    QCOMPARE(directory.SenderNumber(), std::string("+1"));
}

QTEST_MAIN(RejectPagesTest)
#include "tst_reject_pages.moc"
