#include <QtTest>

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "modal_steps.h"
#include "page_fixture.h"
#include "pages/page_speed_dial.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/speed_dial_group.h"
#include "popup_menu.h"
#include "remotesetup/directory_data.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"

using orvane::CMPSpeedDialGroup;
using orvane::CRSUListCtrl;
using orvane::CRSUPageSpeedDial;
using orvane::EntryKind;
namespace ids = orvane::ids;

namespace {

const QString kTypeSelect = QString::number(ids::kIddEntryType);
const QString kGroup = QString::number(ids::kIddGroupEntry);

template <typename Control>
Control* Find(QWidget* window, int id) {
    return window->findChild<Control*>(QString::number(id));
}

QStringList Column(const CRSUListCtrl* list, int column) {
    QStringList texts;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        texts << list->model()->index(row, column).data().toString();
    }
    return texts;
}

int RowOf(const CRSUListCtrl* list, const QString& slot_id) {
    return static_cast<int>(Column(list, 0).indexOf(slot_id));
}

// Moves the rows `slot_ids` of `list` one after another with the button `button`.
void MoveOneByOne(QWidget* dialog, CRSUListCtrl* list, int button, const QStringList& slot_ids) {
    for (const QString& slot_id : slot_ids) {
        list->SelectRow(RowOf(list, slot_id));
        QTest::mouseClick(Find<QPushButton>(dialog, button), Qt::LeftButton);
    }
}

CRSUListCtrl* Candidates(QWidget* dialog) {
    return static_cast<CMPSpeedDialGroup*>(dialog)->Candidates();
}

CRSUListCtrl* Members(QWidget* dialog) {
    return static_cast<CMPSpeedDialGroup*>(dialog)->Members();
}

void PressOk(QWidget* dialog) {
    QTest::mouseClick(Find<QPushButton>(dialog, ids::kIdOk), Qt::LeftButton);
}

}  // namespace

// The group entry dialog, opened from the speed-dial page.
class SpeedDialGroupTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void newGroupListsEveryRegisteredSlotButItsOwn();
    void membersAreInsertedInSlotOrder_data();
    void membersAreInsertedInSlotOrder();
    void rowsMoveEveryWay_data();
    void rowsMoveEveryWay();
    void movingTheLastCandidateFocusesTheMembers();
    void movingKeepsASelectionInTheSource();
    void okChecks_data();
    void okChecks();
    void memberEmptiedOnThePageStaysListed();
    void selectAllActsOnTheFocusedList();
    void contextMenuIsGrayedOnAnEmptyList();
    void defaultButtonFollowsTheFocus();
    void groupIsChosenFromTheKeyboard();

  private:
    struct Page {
        PageFixture fixture;
        CRSUPageSpeedDial page{&fixture, nullptr};
        Page() {
            // *00 empty, *01 Bo, *02 group G of 01, *03 Cy, *04 empty, *05 Di, 01 Ed, 02 Fa, 03 empty.
            fixture.SetIndividual("*01", "Bo", "11");
            fixture.SetGroup("*02", "G", {"01"});
            fixture.SetIndividual("*03", "Cy", "33");
            fixture.SetIndividual("*05", "Di", "55");
            fixture.SetIndividual("01", "Ed", "1");
            fixture.SetIndividual("02", "Fa", "2");
            fixture.MarkRead();
            page.RefreshList();
            page.ApplyReadState(true);
            page.resize(520, 400);
            page.show();
            page.activateWindow();
            if (!QTest::qWaitForWindowActive(&page)) qFatal("the page's window cannot be activated");
        }
        // Opens the group dialog on `row` (choosing group for an empty slot) and runs `steps`.
        void Edit(int row, ModalSteps& steps) {
            page.SelectRow(row);
            QTest::mouseClick(page.EditButton(), Qt::LeftButton);
            QVERIFY(steps.Done());
        }
    };
    static void ChooseGroup(ModalSteps& steps);
};

void SpeedDialGroupTest::initTestCase() {
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

void SpeedDialGroupTest::ChooseGroup(ModalSteps& steps) {
    steps.Then(kTypeSelect, [](QWidget* choice) {
        QTest::mouseClick(Find<QWidget>(choice, ids::kIdcTypeGroup), Qt::LeftButton);
        PressOk(choice);
    });
}

void SpeedDialGroupTest::newGroupListsEveryRegisteredSlotButItsOwn() {
    Page view;
    QStringList candidates;
    QStringList names;
    QStringList numbers;
    int members = -1;
    bool add_enabled = false;
    bool remove_enabled = true;
    QString slot;
    ModalSteps steps;
    ChooseGroup(steps);
    steps.Then(kGroup, [&](QWidget* dialog) {
        candidates = Column(Candidates(dialog), 0);
        names = Column(Candidates(dialog), 1);
        numbers = Column(Candidates(dialog), 2);
        members = Members(dialog)->model()->rowCount();
        add_enabled = Find<QPushButton>(dialog, ids::kIdcGroupAdd)->isEnabled();
        remove_enabled = Find<QPushButton>(dialog, ids::kIdcGroupRemove)->isEnabled();
        slot = Find<QWidget>(dialog, ids::kIdcGroupSlotId)->property("text").toString();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    view.Edit(4, steps);
    QCOMPARE(candidates, QStringList({"*01", "*02", "*03", "*05", "01", "02"}));
    QCOMPARE(names, QStringList({"Bo", "G", "Cy", "Di", "Ed", "Fa"}));
    QCOMPARE(numbers[1], orvane::LoadString(ids::kIdsGroupMarker));
    QCOMPARE(numbers[0], "11");
    QCOMPARE(members, 0);
    QVERIFY(add_enabled);
    QVERIFY(!remove_enabled);
    QCOMPARE(slot, "*04");
}

void SpeedDialGroupTest::membersAreInsertedInSlotOrder_data() {
    QTest::addColumn<bool>("one_touch_first");  // else the printer sends its coded slots first
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("members");
    QTest::newRow("one-touch first: *05, 02, *01")
        << true << QStringList{"*05", "02", "*01"} << QStringList{"02", "*01", "*05"};
    QTest::newRow("coded first: *05, 02, *01")
        << false << QStringList{"*05", "02", "*01"} << QStringList{"*01", "*05", "02"};
    QTest::newRow("coded first: 02, 01") << false << QStringList{"02", "01"} << QStringList{"01", "02"};
    QTest::newRow("coded first: *03, *01, 02")
        << false << QStringList{"*03", "*01", "02"} << QStringList{"*01", "*03", "02"};
    QTest::newRow("coded first: *01, 01, 02")
        << false << QStringList{"*01", "01", "02"} << QStringList{"*01", "01", "02"};
    QTest::newRow("coded first: another group")
        << false << QStringList{"*02", "01"} << QStringList{"*02", "01"};
}

void SpeedDialGroupTest::membersAreInsertedInSlotOrder() {
    QFETCH(bool, one_touch_first);
    QFETCH(QStringList, added);
    QFETCH(QStringList, members);
    Page view;
    if (one_touch_first) {
        // The same slots as a printer sends them that lists its three one-touch slots first.
        std::vector<orvane::DialEntry>& entries = view.fixture.Working().entries;
        std::rotate(entries.begin(), entries.end() - 3, entries.end());
        view.page.RefreshList();
    }
    QStringList listed;
    ModalSteps steps;
    ChooseGroup(steps);
    steps.Then(kGroup, [&](QWidget* dialog) {
        MoveOneByOne(dialog, Candidates(dialog), ids::kIdcGroupAdd, added);
        listed = Column(Members(dialog), 0);
        QTest::keyClicks(Find<QLineEdit>(dialog, ids::kIdcGroupName), "Team");
        PressOk(dialog);
    });
    view.Edit(RowOf(view.page.List(), "*00"), steps);
    QCOMPARE(listed, members);
    const orvane::DialEntry& group = view.fixture.Entry("*00");
    QCOMPARE(group.kind, EntryKind::Group);
    QCOMPARE(EntryName(group), "Team");
    QCOMPARE(view.fixture.Members("*00"), members);
    for (std::size_t i = group.member_count; i < group.members.size(); ++i)
        QCOMPARE(group.members[i], orvane::SlotId{});
    QVERIFY(!view.fixture.IsSaved());
}

void SpeedDialGroupTest::rowsMoveEveryWay_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("buttons") << "button";
    QTest::newRow("double-click") << "double-click";
    QTest::newRow("Enter on the list") << "enter";
    QTest::newRow("context menu") << "menu";
}

void SpeedDialGroupTest::rowsMoveEveryWay() {
    QFETCH(QString, way);
    Page view;
    QStringList after_add;
    QStringList after_remove;
    QStringList candidates_after;
    QString add_menu;
    QString remove_menu;
    ModalSteps steps;
    steps.Then(kGroup, [&](QWidget* dialog) {
        const auto move = [&](CRSUListCtrl* list, const QString& slot_id, int button, int command,
                              QString* menu_id) {
            const int row = RowOf(list, slot_id);
            list->SelectRow(row);
            list->setFocus();
            const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
            if (way == "button") {
                QTest::mouseClick(Find<QPushButton>(dialog, button), Qt::LeftButton);
            } else if (way == "double-click") {
                // A double click: press and release, then the double-click press and its release.
                QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            } else if (way == "enter") {
                QTest::keyClick(list, Qt::Key_Return);
            } else {
                PopupMenu menu(command);
                QContextMenuEvent request(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
                QApplication::sendEvent(list->viewport(), &request);
                *menu_id = menu.MenuId();
            }
        };
        move(Candidates(dialog), "*03", ids::kIdcGroupAdd, ids::kCmdAddMember, &add_menu);
        after_add = Column(Members(dialog), 0);
        move(Members(dialog), "01", ids::kIdcGroupRemove, ids::kCmdRemoveMember, &remove_menu);
        after_remove = Column(Members(dialog), 0);
        candidates_after = Column(Candidates(dialog), 0);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    view.Edit(2, steps);
    QCOMPARE(after_add, QStringList({"*03", "01"}));
    QCOMPARE(after_remove, QStringList({"*03"}));
    // Rows keep the printer's slot order, coded slots first here.
    QCOMPARE(candidates_after, QStringList({"*01", "*05", "01", "02"}));
    if (way == "menu") {
        QCOMPARE(add_menu, QString::number(ids::kMenuCandidatesContext));
        QCOMPARE(remove_menu, QString::number(ids::kMenuMembersContext));
    }
    // Escape discards every move.
    QCOMPARE(view.fixture.Members("*02"), QStringList{"01"});
    QVERIFY(view.fixture.RemoteSetup()->IsModified() == 0);
}

void SpeedDialGroupTest::movingTheLastCandidateFocusesTheMembers() {
    Page view;
    QStringList selected;
    bool members_focused = false;
    bool add_enabled = true;
    bool remove_enabled = false;
    int candidates_left = -1;
    ModalSteps steps;
    steps.Then(kGroup, [&](QWidget* dialog) {
        CRSUListCtrl* candidates = Candidates(dialog);
        candidates->setFocus();
        candidates->SelectAllRows(true);
        QTest::mouseClick(Find<QPushButton>(dialog, ids::kIdcGroupAdd), Qt::LeftButton);
        // The focus moves once the click is done.
        QCoreApplication::processEvents();
        members_focused = dialog->focusWidget() == Members(dialog);
        for (int row : Members(dialog)->SelectedRows()) selected << Members(dialog)->SlotIdAt(row);
        add_enabled = Find<QPushButton>(dialog, ids::kIdcGroupAdd)->isEnabled();
        remove_enabled = Find<QPushButton>(dialog, ids::kIdcGroupRemove)->isEnabled();
        candidates_left = candidates->model()->rowCount();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    view.Edit(2, steps);
    QVERIFY(members_focused);
    QCOMPARE(candidates_left, 0);
    // The first of the moved rows, alone.
    QCOMPARE(selected, QStringList{"*01"});
    QVERIFY(!add_enabled);
    QVERIFY(remove_enabled);
}

void SpeedDialGroupTest::movingKeepsASelectionInTheSource() {
    Page view;
    QList<int> source_selection;
    QList<int> members_selection;
    bool add_focused = false;
    ModalSteps steps;
    steps.Then(kGroup, [&](QWidget* dialog) {
        // Candidates *01 *03 *05 02 (01 is a member): move *03 and *05.
        CRSUListCtrl* candidates = Candidates(dialog);
        candidates->SelectRow(1);
        QTest::mouseClick(candidates->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          candidates->visualRect(candidates->model()->index(2, 0)).center());
        QTest::mouseClick(Find<QPushButton>(dialog, ids::kIdcGroupAdd), Qt::LeftButton);
        source_selection = candidates->SelectedRows();
        members_selection = Members(dialog)->SelectedRows();
        add_focused = dialog->focusWidget() == Find<QPushButton>(dialog, ids::kIdcGroupAdd);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    view.Edit(2, steps);
    // The row now at the first moved row's index (02), and the members' earlier selection (01, after
    // the coded rows moved in before it).
    QCOMPARE(source_selection, QList<int>{1});
    QCOMPARE(members_selection, QList<int>{2});
    QVERIFY(add_focused);
}

void SpeedDialGroupTest::okChecks_data() {
    QTest::addColumn<QString>("slot");  // *02 holds group G of 01; *04 is empty
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("remove");
    QTest::addColumn<QStringList>("add");
    QTest::addColumn<bool>("message");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("members");
    QTest::addColumn<bool>("saved");
    QTest::newRow("new: name, no members")
        << "*04"
        << "G2" << QStringList() << QStringList() << true << 0 << QStringList() << true;
    QTest::newRow("new: nothing acts as Cancel")
        << "*04"
        << "" << QStringList() << QStringList() << false << 0 << QStringList() << true;
    QTest::newRow("new: members, no name")
        << "*04"
        << "" << QStringList() << QStringList{"02"} << false << 2 << QStringList{"02"} << false;
    QTest::newRow("existing: all removed empties")
        << "*02"
        << "" << QStringList{"01"} << QStringList() << false << 0 << QStringList() << false;
    QTest::newRow("existing: members removed, name kept")
        << "*02"
        << "G" << QStringList{"01"} << QStringList() << true << 2 << QStringList{"01"} << true;
    QTest::newRow("existing: unchanged OK refreshes")
        << "*02"
        << "G" << QStringList() << QStringList() << false << 2 << QStringList{"01"} << false;
}

void SpeedDialGroupTest::okChecks() {
    QFETCH(QString, slot);
    QFETCH(QString, name);
    QFETCH(QStringList, remove);
    QFETCH(QStringList, add);
    QFETCH(bool, message);
    QFETCH(int, kind);
    QFETCH(QStringList, members);
    QFETCH(bool, saved);
    Page view;
    view.fixture.SetSavedFlag();
    ModalSteps steps;
    if (slot == "*04") ChooseGroup(steps);
    steps.Then(kGroup, [&](QWidget* dialog) {
        auto* edit = Find<QLineEdit>(dialog, ids::kIdcGroupName);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, name);
        MoveOneByOne(dialog, Members(dialog), ids::kIdcGroupRemove, remove);
        MoveOneByOne(dialog, Candidates(dialog), ids::kIdcGroupAdd, add);
        PressOk(dialog);
    });
    if (message) steps.Box().Press(kGroup, ids::kIdCancel);
    view.Edit(RowOf(view.page.List(), slot), steps);
    QCOMPARE(steps.BoxTexts(),
             message ? QStringList{orvane::LoadString(ids::kMsgMembersRequired)} : QStringList());
    const orvane::DialEntry& entry = view.fixture.Entry(slot.toLatin1().constData());
    QCOMPARE(static_cast<int>(entry.kind), kind);
    QCOMPARE(view.fixture.Members(slot.toLatin1().constData()), members);
    if (kind == 0) QCOMPARE(EntryName(entry), QString());
    QCOMPARE(view.fixture.IsSaved(), saved);
}

void SpeedDialGroupTest::memberEmptiedOnThePageStaysListed() {
    Page view;
    view.page.SelectRow(RowOf(view.page.List(), "01"));
    QTest::mouseClick(view.page.DeleteButton(), Qt::LeftButton);
    QCOMPARE(view.fixture.Entry("01").kind, EntryKind::Empty);
    QStringList member_row;
    QStringList candidates;
    ModalSteps steps;
    steps.Then(kGroup, [&](QWidget* dialog) {
        CRSUListCtrl* members = Members(dialog);
        for (int column = 0; column < 3; ++column)
            member_row << members->model()->index(0, column).data().toString();
        candidates = Column(Candidates(dialog), 0);
        PressOk(dialog);
    });
    view.Edit(2, steps);
    QCOMPARE(member_row, QStringList({"01", "", ""}));
    QVERIFY(!candidates.contains("01"));
    QCOMPARE(view.fixture.Members("*02"), QStringList{"01"});
}

void SpeedDialGroupTest::selectAllActsOnTheFocusedList() {
    Page view;
    int candidates_selected = 0;
    int after_name_select_all = -1;
    QString selected_text;
    ModalSteps steps;
    steps.Then(kGroup, [&](QWidget* dialog) {
        auto* edit = Find<QLineEdit>(dialog, ids::kIdcGroupName);
        edit->setFocus();
        QTest::keySequence(edit, QKeySequence::SelectAll);
        selected_text = edit->selectedText();
        after_name_select_all = static_cast<int>(Candidates(dialog)->SelectedRows().size());
        Candidates(dialog)->setFocus();
        QTest::keySequence(Candidates(dialog), QKeySequence::SelectAll);
        candidates_selected = static_cast<int>(Candidates(dialog)->SelectedRows().size());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    view.Edit(2, steps);
    QCOMPARE(selected_text, "G");
    QCOMPARE(after_name_select_all, 1);
    QCOMPARE(candidates_selected, 4);
}

void SpeedDialGroupTest::contextMenuIsGrayedOnAnEmptyList() {
    Page view;
    QMap<int, bool> commands;
    QString menu_id;
    ModalSteps steps;
    ChooseGroup(steps);
    steps.Then(kGroup, [&](QWidget* dialog) {
        CRSUListCtrl* members = Members(dialog);
        members->setFocus();
        PopupMenu menu(ids::kCmdRemoveMember);
        QTest::keyClick(members, Qt::Key_F10, Qt::ShiftModifier);
        commands = menu.Commands();
        menu_id = menu.MenuId();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    view.Edit(0, steps);
    QCOMPARE(menu_id, QString::number(ids::kMenuMembersContext));
    QCOMPARE(commands, (QMap<int, bool>{{ids::kCmdRemoveMember, false}}));
}

void SpeedDialGroupTest::defaultButtonFollowsTheFocus() {
    Page view;
    QStringList defaults;
    ModalSteps steps;
    steps.Then(kGroup, [&](QWidget* dialog) {
        const auto default_button = [dialog] {
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->isDefault()) return button->objectName();
            }
            return QString();
        };
        Candidates(dialog)->setFocus();
        defaults << default_button();
        Members(dialog)->setFocus();
        defaults << default_button();
        Find<QLineEdit>(dialog, ids::kIdcGroupName)->setFocus();
        defaults << default_button();
        // Enter on the name is OK: the group keeps its name and members.
        QTest::keyClick(Find<QLineEdit>(dialog, ids::kIdcGroupName), Qt::Key_Return);
    });
    view.fixture.SetSavedFlag();
    view.Edit(2, steps);
    QCOMPARE(defaults, QStringList({QString::number(ids::kIdcGroupAdd), QString::number(ids::kIdcGroupRemove),
                                    QString::number(ids::kIdOk)}));
    QVERIFY(!view.fixture.IsSaved());
    QCOMPARE(view.fixture.Members("*02"), QStringList{"01"});
}

void SpeedDialGroupTest::groupIsChosenFromTheKeyboard() {
    Page view;
    ModalSteps steps;
    steps
        .Then(kTypeSelect,
              [](QWidget* choice) {
                  auto* individual = Find<QWidget>(choice, ids::kIdcTypeIndividual);
                  individual->setFocus();
                  QTest::keyClick(individual, Qt::Key_Down);
                  QTest::keyClick(choice, Qt::Key_Return);
              })
        .Then(kGroup, [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    view.page.List()->setFocus();
    view.page.SelectRow(0);
    QTest::keyClick(view.page.List(), Qt::Key_Return);
    QVERIFY(steps.Done());
    QCOMPARE(steps.Met(), QStringList({kTypeSelect, kGroup}));
    QCOMPARE(view.fixture.Entry("*00").kind, EntryKind::Empty);
}

QTEST_MAIN(SpeedDialGroupTest)
#include "tst_speed_dial_group.moc"
