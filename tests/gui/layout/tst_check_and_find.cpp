#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include "app/rsu_main.h"
#include "modal_steps.h"
#include "popup_menu.h"
#include "read_window.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "sim_printer.h"
#include "ui/language_module.h"

using orvane::CRSUMain;
namespace ids = orvane::ids;

namespace {

const QString kMx100 = QStringLiteral("Velor MX100 series");
// Columns of the speed-dial list.
constexpr int kSlotColumn = 0;
constexpr int kNameColumn = 1;
constexpr int kNumberColumn = 2;
// The printer's sample directory: slot 01 ("Müller", also in coded slots) is a member of the groups
// *00 and 03; slot 08 ("Ann") of none. Its numbers repeat in several slots from the start.
const QString kMuellerNumber = QStringLiteral("0301234567");
const QString kBjoernNumber = QStringLiteral("004522334455");

QString Text(int id) {
    return orvane::LoadString(id);
}

// What a check report showed.
struct ShownReport {
    QString text;
    QStringList rows;     // "slot|problem"
    QStringList buttons;  // objectNames
    QStringList unnamed;  // objectNames of controls without an accessible name
};

// A step that records the check report into `shown`, then presses its button `button`.
ModalSteps::Step ReadReportAndPress(ShownReport* shown, int button) {
    return [shown, button](QWidget* report) {
        shown->text = Find<QLabel>(*report, ids::kIdcCheckText)->text();
        if (const auto* list = Find<QTreeWidget>(*report, ids::kIdcCheckList)) {
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                shown->rows << list->topLevelItem(i)->text(0) + '|' + list->topLevelItem(i)->text(1);
            }
        }
        for (const QPushButton* each : report->findChildren<QPushButton*>())
            shown->buttons << each->objectName();
        for (const QWidget* control : report->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (!name.isEmpty() && !name.startsWith("qt_") && control->accessibleName().isEmpty()) {
                shown->unnamed << name;
            }
        }
        QTest::mouseClick(Find<QPushButton>(*report, button), Qt::LeftButton);
    };
}

QString EmptyMemberRow(const QString& group) {
    return group + '|' + Text(ids::kIdsProblemEmptyMember).arg("01");
}

QAbstractItemModel* SpeedDialRows(const CRSUMain& window) {
    return Find<QTreeView>(window, ids::kIdcSpeedDialList)->model();
}

// Column `column` of every row the speed-dial list shows.
QStringList Column(const CRSUMain& window, int column) {
    QStringList texts;
    const QAbstractItemModel* model = SpeedDialRows(window);
    for (int row = 0; row < model->rowCount(); ++row) texts << model->index(row, column).data().toString();
    return texts;
}

}  // namespace

// The check before Write, the Check command and Find on the speed-dial page, through the window
// against the virtual printer.
class CheckAndFindTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void writeListsTheProblemsTheEditsBroughtIn_data();
    void writeListsTheProblemsTheEditsBroughtIn();
    void problemsThePrinterAlreadyHadAreNotRaised();
    void checkListsEveryProblem_data();
    void checkListsEveryProblem();
    void findShowsTheRowsThatContainTheText_data();
    void findShowsTheRowsThatContainTheText();
    void escapeClearsTheFind_data();
    void escapeClearsTheFind();
    void enterInTheFindFieldMovesIntoTheList();
    void deleteWithAFindEmptiesOnlyTheRowsShown();

  private:
    // Reads "Office Fax" into `window`.
    void ReadInto(CRSUMain& window);
    // Clicks the row of `slot` in the speed-dial list and presses Delete.
    void DeleteSlot(CRSUMain& window, const QString& slot);
    // Moves into the find field with Ctrl+F and types `text`.
    void FindText(CRSUMain& window, const QString& text);

    QTemporaryDir folder_;
    std::unique_ptr<SimPrinter> sim_;
};

void CheckAndFindTest::initTestCase() {
    QVERIFY(UsePrivateFolders(folder_));
}

void CheckAndFindTest::init() {
    ClearUserSettings(folder_);
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
    sim_ = std::make_unique<SimPrinter>();
    QVERIFY(InstallPrinters(*sim_, folder_.filePath("printers"), kMx100, kMx100));
}

void CheckAndFindTest::ReadInto(CRSUMain& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(ReadPrinter(window, "Office Fax"));
}

void CheckAndFindTest::DeleteSlot(CRSUMain& window, const QString& slot) {
    auto* list = Find<QTreeView>(window, ids::kIdcSpeedDialList);
    const int row = Column(window, kSlotColumn).indexOf(slot);
    QVERIFY(row >= 0);
    const QModelIndex index = list->model()->index(row, kNameColumn);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    QCOMPARE(list->currentIndex().row(), row);
    Press(window, ids::kIdcSpeedDialDelete);
}

void CheckAndFindTest::FindText(CRSUMain& window, const QString& text) {
    auto* field = Find<QLineEdit>(window, ids::kIdcFind);
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::focusWidget(), field);
    // Key by key as typed, accented letters included.
    for (QChar character : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character), {});
    QCOMPARE(field->text(), text);
}

void CheckAndFindTest::writeListsTheProblemsTheEditsBroughtIn_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("writes");
    QTest::newRow("Write anyway") << ids::kIdcCheckWriteAnyway << true;
    QTest::newRow("Cancel") << ids::kIdcCheckCancel << false;
}

void CheckAndFindTest::writeListsTheProblemsTheEditsBroughtIn() {
    QFETCH(int, button);
    QFETCH(bool, writes);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    ReadInto(window);
    // Emptying 01 leaves it in two groups; its number stays repeated in fewer slots, which is old.
    DeleteSlot(window, "01");
    ShownReport report;
    ModalSteps steps;
    steps.Then("203", ReadReportAndPress(&report, button));
    if (writes) steps.Box();
    Press(window, ids::kIdOk);
    QTRY_VERIFY2(steps.Done(), qPrintable(steps.Problems().join('|')));
    QCOMPARE(report.text, Text(ids::kIdsCheckBeforeWrite));
    QCOMPARE(report.rows, (QStringList{EmptyMemberRow("*00"), EmptyMemberRow("03")}));
    QCOMPARE(report.buttons, (QStringList{QString::number(ids::kIdcCheckWriteAnyway),
                                          QString::number(ids::kIdcCheckCancel)}));
    QCOMPARE(report.unnamed, QStringList());
    QCOMPARE(sim_->Count("StartJob"), writes ? 2 : 1);
    QCOMPARE(sim_->Count("SendData"), writes ? 1 : 0);
    if (writes) QCOMPARE(steps.BoxTexts(), QStringList{Text(ids::kMsgWritten)});
}

void CheckAndFindTest::problemsThePrinterAlreadyHadAreNotRaised() {
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    ReadInto(window);
    DeleteSlot(window, "08");
    ModalSteps steps;
    steps.Box();
    Press(window, ids::kIdOk);
    QTRY_VERIFY2(steps.Done(), qPrintable(steps.Problems().join('|')));
    QCOMPARE(steps.Met(), QStringList{"box"});
    QCOMPARE(sim_->Count("SendData"), 1);
}

void CheckAndFindTest::checkListsEveryProblem_data() {
    QTest::addColumn<bool>("from_menu");
    QTest::newRow("shortcut") << false;
    QTest::newRow("window's context menu") << true;
}

void CheckAndFindTest::checkListsEveryProblem() {
    QFETCH(bool, from_menu);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    ReadInto(window);
    DeleteSlot(window, "01");
    ShownReport report;
    ModalSteps steps;
    steps.Then("203", ReadReportAndPress(&report, ids::kIdcCheckClose));
    if (from_menu) {
        PopupMenu menu(ids::kCmdCheck);
        const QPoint inside = Find<QWidget>(window, ids::kIdcBottomStatic)->mapTo(&window, QPoint(2, 2));
        QContextMenuEvent request(QContextMenuEvent::Mouse, inside, window.mapToGlobal(inside));
        QApplication::sendEvent(&window, &request);
        QTRY_VERIFY(menu.Seen());
        QVERIFY(menu.Commands().value(ids::kCmdCheck));
    } else {
        QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    }
    QTRY_VERIFY2(steps.Done(), qPrintable(steps.Problems().join('|')));
    QCOMPARE(report.text, Text(ids::kIdsCheckAll));
    QCOMPARE(report.buttons, QStringList{QString::number(ids::kIdcCheckClose)});
    QCOMPARE(report.unnamed, QStringList());
    QVERIFY2(report.rows.contains(EmptyMemberRow("*00")) && report.rows.contains(EmptyMemberRow("03")),
             qPrintable(report.rows.join('\n')));
    // The numbers the printer's own directory repeats are listed too.
    for (const QString& number : {kMuellerNumber, kBjoernNumber}) {
        QVERIFY2(report.rows.filter(number).size() == 1, qPrintable(number));
    }
    QCOMPARE(sim_->Count("StartJob"), 1);
}

void CheckAndFindTest::findShowsTheRowsThatContainTheText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("capitals without accent") << "MULLER" << QStringList{"Müller"};
    QTest::newRow("accent as stored") << "müller" << QStringList{"Müller"};
    QTest::newRow("accent where none is stored") << "änn" << QStringList{"Ann"};
    QTest::newRow("capital with accent") << "PEÑA" << QStringList{"José Peña"};
    QTest::newRow("part of a number") << "0301" << QStringList{"Müller"};
    QTest::newRow("group name") << "sales" << QStringList{"Sales"};
    QTest::newRow("not the group marker") << "group" << QStringList{};
    QTest::newRow("nothing") << "xyz" << QStringList{};
}

void CheckAndFindTest::findShowsTheRowsThatContainTheText() {
    QFETCH(QString, typed);
    QFETCH(QStringList, names);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    ReadInto(window);
    const QStringList all_slots = Column(window, kSlotColumn);
    const QStringList all_names = Column(window, kNameColumn);
    QStringList expected;
    for (int row = 0; row < all_slots.size(); ++row) {
        if (names.contains(all_names[row])) expected << all_slots[row];
    }
    QCOMPARE(expected.isEmpty(), names.isEmpty());
    FindText(window, typed);
    QCOMPARE(Column(window, kSlotColumn), expected);
    auto* field = Find<QLineEdit>(window, ids::kIdcFind);
    QVERIFY(!field->accessibleName().isEmpty());
    QCOMPARE(field->placeholderText(), Text(ids::kIdsFindPlaceholder));
}

void CheckAndFindTest::escapeClearsTheFind_data() {
    QTest::addColumn<bool>("in_list");
    QTest::newRow("in the field") << false;
    QTest::newRow("in the list") << true;
}

void CheckAndFindTest::escapeClearsTheFind() {
    QFETCH(bool, in_list);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    ReadInto(window);
    const QStringList all_slots = Column(window, kSlotColumn);
    FindText(window, "müller");
    QVERIFY(Column(window, kSlotColumn).size() < all_slots.size());
    QWidget* target = Find<QLineEdit>(window, ids::kIdcFind);
    if (in_list) {
        target = Find<QTreeView>(window, ids::kIdcSpeedDialList);
        target->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), target);
    }
    QTest::keyClick(target, Qt::Key_Escape);
    QCOMPARE(Find<QLineEdit>(window, ids::kIdcFind)->text(), QString());
    QCOMPARE(Column(window, kSlotColumn), all_slots);
    QVERIFY(window.isVisible());
}

void CheckAndFindTest::enterInTheFindFieldMovesIntoTheList() {
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    ReadInto(window);
    // The window's default buttons (Write, Edit) stay untouched.
    Find<QPushButton>(window, ids::kIdOk)->setDefault(true);
    FindText(window, "ann");
    // Any window that opens is closed again and named.
    ModalSteps nothing;
    nothing.Then("no window", {});
    QTest::keyClick(Find<QLineEdit>(window, ids::kIdcFind), Qt::Key_Return);
    auto* list = Find<QTreeView>(window, ids::kIdcSpeedDialList);
    QTRY_COMPARE(QApplication::focusWidget(), list);
    QCOMPARE(nothing.Met(), QStringList());
    QCOMPARE(Column(window, kNameColumn), QStringList{"Ann"});
    QVERIFY(list->selectionModel()->isRowSelected(0, {}));
    QCOMPARE(sim_->Count("StartJob"), 1);
}

void CheckAndFindTest::deleteWithAFindEmptiesOnlyTheRowsShown() {
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    ReadInto(window);
    const QStringList all_slots = Column(window, kSlotColumn);
    const QStringList all_names = Column(window, kNameColumn);
    const QStringList all_numbers = Column(window, kNumberColumn);
    FindText(window, "MULLER");
    const QStringList shown = Column(window, kSlotColumn);
    QVERIFY(shown.size() > 1 && shown.size() < all_slots.size());
    Press(window, ids::kIdcSpeedDialSelectAll);
    Press(window, ids::kIdcSpeedDialDelete);
    // The rows emptied stay in view, the first of them selected.
    QCOMPARE(Column(window, kSlotColumn), shown);
    QCOMPARE(Column(window, kNameColumn), QStringList(shown.size(), QString()));
    auto* list = Find<QTreeView>(window, ids::kIdcSpeedDialList);
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(list->currentIndex().row(), 0);

    QTest::keyClick(Find<QLineEdit>(window, ids::kIdcFind), Qt::Key_Escape);
    QCOMPARE(Column(window, kSlotColumn), all_slots);
    const QStringList names = Column(window, kNameColumn);
    const QStringList numbers = Column(window, kNumberColumn);
    for (int row = 0; row < all_slots.size(); ++row) {
        const bool emptied = shown.contains(all_slots[row]);
        QCOMPARE(names[row], emptied ? QString() : all_names[row]);
        QCOMPARE(numbers[row], emptied ? QString() : all_numbers[row]);
    }
}

QTEST_MAIN(CheckAndFindTest)
#include "tst_check_and_find.moc"
