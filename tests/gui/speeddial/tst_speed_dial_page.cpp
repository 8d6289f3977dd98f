#include <QtTest>

#include <QAccessible>
#include <QAction>
#include <QLayout>
#include <QPushButton>
#include <algorithm>

#include "page_fixture.h"
#include "pages/page_speed_dial.h"
#include "pages/rsu_list_ctrl.h"
#include "popup_menu.h"
#include "remotesetup/directory_data.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"

using orvane::CRSUPageSpeedDial;
using orvane::EntryKind;
namespace ids = orvane::ids;

// The speed-dial page's commands without dialogs: Select all, Delete, Enter, context menu, view.
class SpeedDialPageTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void listShowsEveryKind();
    void selectAllThenDeleteEmptiesEveryDialSlot_data();
    void selectAllThenDeleteEmptiesEveryDialSlot();
    void deleteEmptiesEachSelectedRow();
    void deleteKeepsTheSlotInItsGroups();
    void deleteRestoresTopRowSelectionAndFocus_data();
    void deleteRestoresTopRowSelectionAndFocus();
    void selectAllKeepsTheView();
    void rowIsChosenThroughAccessibility();
    void enterActsOnTheFocusedControl_data();
    void enterActsOnTheFocusedControl();
    void editButtonFollowsTheSelection();
    void contextMenuOffersTheCommands_data();
    void contextMenuOffersTheCommands();
    void contextMenuFromTheKeyboardOpensBelowTheSelection();
    void contextMenuDeleteEmptiesTheRows();
    void noContextMenuWithoutASelection();
    void shrinkingKeepsTheButtonsAtTheCorner();

  private:
    struct Page {
        PageFixture fixture;
        CRSUPageSpeedDial page{&fixture, nullptr};
        Page() {
            page.RefreshList();
            page.ApplyReadState(true);
            page.resize(520, 400);
            page.show();
            page.activateWindow();
            if (!QTest::qWaitForWindowActive(&page)) qFatal("the page's window cannot be activated");
        }
        orvane::CRSUListCtrl* List() const { return page.List(); }
        // Selects exactly `rows` with Ctrl-clicks, after a plain click on the first.
        void Select(const QList<int>& rows) const;
        QRect RowRect(int row) const { return List()->visualRect(List()->model()->index(row, 0)); }
    };
};

void SpeedDialPageTest::Page::Select(const QList<int>& rows) const {
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, i == 0 ? Qt::NoModifier : Qt::ControlModifier,
                          RowRect(rows[i]).center());
    }
}

void SpeedDialPageTest::initTestCase() {
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

void SpeedDialPageTest::listShowsEveryKind() {
    Page view;
    view.fixture.SetIndividual("*01", "Bo", "12");
    view.fixture.SetGroup("02", "G", {"*01"});
    view.page.RefreshList();
    QAbstractItemModel* model = view.List()->model();
    QCOMPARE(model->rowCount(), 9);
    QCOMPARE(model->index(0, 0).data().toString(), "*00");
    QCOMPARE(model->index(0, 1).data().toString(), QString());
    QCOMPARE(model->index(0, 2).data().toString(), QString());
    QCOMPARE(model->index(1, 1).data().toString(), "Bo");
    QCOMPARE(model->index(1, 2).data().toString(), "12");
    QCOMPARE(model->index(7, 0).data().toString(), "02");
    QCOMPARE(model->index(7, 1).data().toString(), "G");
    QCOMPARE(model->index(7, 2).data().toString(), orvane::LoadString(ids::kIdsGroupMarker));
}

void SpeedDialPageTest::selectAllThenDeleteEmptiesEveryDialSlot_data() {
    QTest::addColumn<bool>("by_keyboard");
    QTest::newRow("buttons") << false;
    QTest::newRow("accelerator and Enter") << true;
}

void SpeedDialPageTest::selectAllThenDeleteEmptiesEveryDialSlot() {
    QFETCH(bool, by_keyboard);
    Page view;
    view.fixture.SetIndividual("*00", "Bo", "12");
    view.fixture.SetIndividual("03", "Cy", "345");
    view.fixture.SetGroup("01", "G", {"*00", "03"});
    view.fixture.MarkRead();
    view.fixture.SetSavedFlag();
    view.page.RefreshList();
    auto* select_all = view.page.findChild<QPushButton*>(QString::number(ids::kIdcSpeedDialSelectAll));
    auto* remove = view.page.findChild<QPushButton*>(QString::number(ids::kIdcSpeedDialDelete));
    if (by_keyboard) {
        view.List()->setFocus();
        QTest::keySequence(view.List(), QKeySequence::SelectAll);
    } else {
        QTest::mouseClick(select_all, Qt::LeftButton);
    }
    QCOMPARE(view.List()->SelectedRows().size(), 9);
    QCOMPARE(view.List()->currentIndex().row(), 8);
    QTRY_VERIFY(select_all->hasFocus());
    QVERIFY(view.fixture.IsSaved());  // selecting changes nothing
    if (by_keyboard) {
        remove->setFocus();
        QTest::keyClick(remove, Qt::Key_Return);
    } else {
        QTest::mouseClick(remove, Qt::LeftButton);
    }
    for (const orvane::DialEntry& entry : view.fixture.Working().entries) {
        QCOMPARE(entry.kind, EntryKind::Empty);
        QCOMPARE(EntryName(entry), QString());
        QCOMPARE(EntryNumber(entry), QString());
        QCOMPARE(entry.member_count, 0);
        for (const orvane::SlotId& cell : entry.members) QCOMPARE(cell, orvane::SlotId{});
    }
    const orvane::DirectoryData& working = view.fixture.Working();
    QCOMPARE(QByteArray(working.sender.name.data()), QByteArray("Al"));
    QCOMPARE(QByteArray(working.sender.number.data()), QByteArray("5"));
    QCOMPARE(QByteArray(working.rejects[0].number.data()), QByteArray("99"));
    QVERIFY(!view.fixture.IsSaved());
    QTRY_VERIFY(remove->hasFocus());
}

void SpeedDialPageTest::deleteEmptiesEachSelectedRow() {
    Page view;
    view.fixture.SetIndividual("*01", "Bo", "12");
    view.fixture.SetGroup("*02", "G", {"*01"});
    view.fixture.SetIndividual("*03", "Cy", "3");
    // An empty slot among the selected ones is left exactly as it is.
    orvane::StoreText(view.fixture.Entry("*04").name, "x");
    view.page.RefreshList();
    view.Select({1, 2, 4});
    QTest::mouseClick(view.page.DeleteButton(), Qt::LeftButton);
    QCOMPARE(view.fixture.Entry("*01").kind, EntryKind::Empty);
    QCOMPARE(view.fixture.Entry("*02").kind, EntryKind::Empty);
    QCOMPARE(view.fixture.Entry("*02").member_count, 0);
    QCOMPARE(EntryName(view.fixture.Entry("*04")), "x");
    QCOMPARE(view.fixture.Entry("*03").kind, EntryKind::Individual);
    QCOMPARE(view.List()->model()->index(1, 1).data().toString(), QString());
    QCOMPARE(view.List()->model()->index(1, 0).data().toString(), "*01");
}

void SpeedDialPageTest::deleteKeepsTheSlotInItsGroups() {
    Page view;
    view.fixture.SetIndividual("01", "Bo", "12");
    view.fixture.SetGroup("02", "G", {"01", "*05"});
    view.page.RefreshList();
    view.Select({6});
    QTest::mouseClick(view.page.DeleteButton(), Qt::LeftButton);
    QCOMPARE(view.fixture.Entry("01").kind, EntryKind::Empty);
    QCOMPARE(view.fixture.Members("02"), QStringList({"01", "*05"}));
}

void SpeedDialPageTest::deleteRestoresTopRowSelectionAndFocus_data() {
    QTest::addColumn<int>("click_top");  // the top row while the rows are clicked
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("top");  // the top row when Delete is pressed
    QTest::newRow("rows in view") << 3 << QList<int>{5, 4} << 3;
    QTest::newRow("row above the view") << 0 << QList<int>{0} << 3;
    QTest::newRow("row below the view") << 6 << QList<int>{8} << 0;
}

void SpeedDialPageTest::deleteRestoresTopRowSelectionAndFocus() {
    QFETCH(int, click_top);
    QFETCH(QList<int>, rows);
    QFETCH(int, top);
    Page view;
    view.page.resize(520, 100);
    view.page.layout()->activate();
    view.fixture.SetIndividual("*05", "Bo", "12");
    view.page.RefreshList();
    view.List()->ScrollToTopRow(click_top);
    QCOMPARE(view.List()->TopRow(), click_top);
    view.Select(rows);
    view.List()->ScrollToTopRow(top);
    QCOMPARE(view.List()->TopRow(), top);
    view.fixture.SetSavedFlag();
    QTest::mouseClick(view.page.DeleteButton(), Qt::LeftButton);
    const int first = *std::min_element(rows.begin(), rows.end());
    QCOMPARE(view.List()->TopRow(), top);
    QCOMPARE(view.List()->SelectedRows(), QList<int>{first});
    QCOMPARE(view.List()->currentIndex().row(), first);
    QVERIFY(!view.fixture.IsSaved());
    QTRY_VERIFY(view.page.DeleteButton()->hasFocus());
}

void SpeedDialPageTest::selectAllKeepsTheView() {
    Page view;
    view.page.resize(520, 100);
    view.page.layout()->activate();
    view.List()->ScrollToTopRow(2);
    QTest::mouseClick(view.page.SecondButton(), Qt::LeftButton);
    QCOMPARE(view.List()->SelectedRows().size(), 9);
    QCOMPARE(view.List()->currentIndex().row(), 8);
    QCOMPARE(view.List()->TopRow(), 2);
}

void SpeedDialPageTest::rowIsChosenThroughAccessibility() {
    Page view;
    view.page.resize(520, 100);
    view.page.layout()->activate();
    view.Select({1, 2});
    // Row 7, out of view, as a screen reader finds it, chosen with its action.
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(view.List())->tableInterface();
    QAccessibleInterface* cell = table->cellAt(7, 1);
    QVERIFY(cell != nullptr);
    cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(view.List()->SelectedRows(), QList<int>{7});
    QCOMPARE(view.List()->SelectionMark(), 7);
    QVERIFY(view.page.EditButton()->isEnabled());
}

void SpeedDialPageTest::enterActsOnTheFocusedControl_data() {
    QTest::addColumn<int>("control");  // 0: the list
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("selected_after");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("list, two rows: nothing") << 0 << QList<int>{1, 2} << 2 << false;
    QTest::newRow("Select all") << ids::kIdcSpeedDialSelectAll << QList<int>{1} << 9 << false;
    QTest::newRow("Delete") << ids::kIdcSpeedDialDelete << QList<int>{1, 2} << 1 << true;
}

void SpeedDialPageTest::enterActsOnTheFocusedControl() {
    QFETCH(int, control);
    QFETCH(QList<int>, rows);
    QFETCH(int, selected_after);
    QFETCH(bool, emptied);
    Page view;
    view.fixture.SetIndividual("*01", "Bo", "12");
    view.fixture.SetIndividual("*02", "Cy", "3");
    view.page.RefreshList();
    view.Select(rows);
    view.fixture.SetSavedFlag();
    QWidget* target = control == 0 ? static_cast<QWidget*>(view.List())
                                   : view.page.findChild<QPushButton*>(QString::number(control));
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(view.List()->SelectedRows().size(), selected_after);
    QCOMPARE(view.fixture.Entry("*01").kind == EntryKind::Empty, emptied);
    QCOMPARE(view.fixture.IsSaved(), !emptied);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void SpeedDialPageTest::editButtonFollowsTheSelection() {
    Page view;
    QPushButton* edit = view.page.EditButton();
    view.List()->setFocus();
    view.Select({2});
    QVERIFY(edit->isEnabled());
    QVERIFY(edit->isDefault());
    view.Select({2, 3});
    QVERIFY(!edit->isEnabled());
    view.Select({3});
    QVERIFY(edit->isEnabled());
}

void SpeedDialPageTest::contextMenuOffersTheCommands_data() {
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<bool>("edit_enabled");
    QTest::newRow("one row") << QList<int>{2} << true;
    QTest::newRow("two rows") << QList<int>{2, 4} << false;
}

void SpeedDialPageTest::contextMenuOffersTheCommands() {
    QFETCH(QList<int>, rows);
    QFETCH(bool, edit_enabled);
    Page view;
    view.Select(rows);
    PopupMenu menu;
    const QPoint at = view.RowRect(rows.last()).center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, view.List()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view.List()->viewport(), &request);
    QVERIFY(menu.Seen());
    QCOMPARE(menu.MenuId(), QString::number(ids::kMenuPageContext));
    QCOMPARE(menu.Commands().keys(), QList<int>({ids::kCmdSelectAll, ids::kCmdEdit, ids::kCmdDelete}));
    QCOMPARE(menu.Commands().value(ids::kCmdEdit), edit_enabled);
    QVERIFY(menu.Commands().value(ids::kCmdDelete));
    QVERIFY(menu.Commands().value(ids::kCmdSelectAll));
    QCOMPARE(menu.Position(), view.List()->viewport()->mapToGlobal(at));
    QCOMPARE(view.List()->SelectedRows(), rows.size() == 1 ? rows : QList<int>({2, 4}));
}

void SpeedDialPageTest::contextMenuFromTheKeyboardOpensBelowTheSelection() {
    Page view;
    view.Select({3, 5});
    view.List()->setFocus();
    PopupMenu menu;
    QTest::keyClick(view.List(), Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(menu.Seen());
    // The row after the first selected one, 50 pixels in.
    const QRect next = view.RowRect(4);
    QCOMPARE(menu.Position(), view.List()->viewport()->mapToGlobal(QPoint(next.left() + 50, next.top())));
}

void SpeedDialPageTest::contextMenuDeleteEmptiesTheRows() {
    Page view;
    view.fixture.SetIndividual("*01", "Bo", "12");
    view.page.RefreshList();
    view.Select({1});
    PopupMenu menu(ids::kCmdDelete);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(view.List()->viewport(), &request);
    QVERIFY(menu.Seen());
    QCOMPARE(view.fixture.Entry("*01").kind, EntryKind::Empty);
    QTRY_VERIFY(view.page.DeleteButton()->hasFocus());
}

void SpeedDialPageTest::noContextMenuWithoutASelection() {
    Page view;
    view.List()->selectionModel()->clear();
    PopupMenu menu;
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(view.List()->viewport(), &request);
    // A menu would have run inside sendEvent.
    QVERIFY(!menu.Seen());
}

void SpeedDialPageTest::shrinkingKeepsTheButtonsAtTheCorner() {
    Page view;
    view.page.layout()->activate();
    const auto from_corner = [&view](QWidget* button) {
        return QPoint(view.page.width(), view.page.height()) - button->geometry().bottomRight();
    };
    const QPoint edit = from_corner(view.page.EditButton());
    const QPoint remove = from_corner(view.page.DeleteButton());
    const QSize button = view.page.DeleteButton()->size();
    const QSize list = view.List()->size();
    view.page.resize(420, 250);
    view.page.layout()->activate();
    QCOMPARE(from_corner(view.page.EditButton()), edit);
    QCOMPARE(from_corner(view.page.DeleteButton()), remove);
    QCOMPARE(view.page.DeleteButton()->size(), button);
    QCOMPARE(view.List()->size(), list - QSize(100, 150));
}

QTEST_MAIN(SpeedDialPageTest)
#include "tst_speed_dial_page.moc"
