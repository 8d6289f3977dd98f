#include <QtTest>

#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "modal_steps.h"
#include "page_fixture.h"
#include "pages/page_speed_dial.h"
#include "pages/rsu_list_ctrl.h"
#include "remotesetup/directory_data.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"

using orvane::CRSUPageSpeedDial;
using orvane::EntryKind;
namespace ids = orvane::ids;

namespace {

const QString kTypeSelect = QString::number(ids::kIddEntryType);
const QString kIndividual = QString::number(ids::kIddIndividualEntry);

template <typename Control>
Control* Find(QWidget* window, int id) {
    return window->findChild<Control*>(QString::number(id));
}

// Replaces the text of `edit` by typing, as the user does.
void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

}  // namespace

// The entry type choice and the individual entry dialog, opened from the speed-dial page.
class SpeedDialIndividualTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void emptySlotAsksForTheTypeWithIndividualChosen();
    void cancelledTypeChoiceChangesNothing();
    void okOnTheIndividualDialog_data();
    void okOnTheIndividualDialog();
    void nameWithoutNumberShows166AndFocusesTheNumber();
    void editorIsReachedFromKeyboardAndMouse_data();
    void editorIsReachedFromKeyboardAndMouse();
    void onlyALeftDoubleClickEdits_data();
    void onlyALeftDoubleClickEdits();
    void editWithoutSelectionMarkOpensNothing();
    void editsAreLimitedToThePrinterLengths();
    void numberFieldTakesDialCharactersOnly();
    void editRestoresTheView();

  private:
    struct Page {
        PageFixture fixture;
        CRSUPageSpeedDial page{&fixture, nullptr};
        explicit Page(int name_length = 16, int number_length = 40) : fixture(name_length, number_length) {
            Reload();
            page.resize(520, 400);
            page.show();
            page.activateWindow();
            if (!QTest::qWaitForWindowActive(&page)) qFatal("the page's window cannot be activated");
        }
        void Reload() {
            page.RefreshList();
            page.ApplyReadState(true);
        }
        orvane::CRSUListCtrl* List() const { return page.List(); }
        void Edit(int row) {
            page.SelectRow(row);
            QTest::mouseClick(page.EditButton(), Qt::LeftButton);
        }
    };
};

void SpeedDialIndividualTest::initTestCase() {
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

void SpeedDialIndividualTest::emptySlotAsksForTheTypeWithIndividualChosen() {
    Page view;
    bool individual_checked = false;
    QString number = "x";
    QString name = "x";
    QString slot;
    ModalSteps steps;
    steps
        .Then(kTypeSelect,
              [&](QWidget* choice) {
                  individual_checked = Find<QRadioButton>(choice, ids::kIdcTypeIndividual)->isChecked();
                  QTest::mouseClick(Find<QPushButton>(choice, ids::kIdOk), Qt::LeftButton);
              })
        .Then(kIndividual, [&](QWidget* dialog) {
            number = Find<QLineEdit>(dialog, ids::kIdcEntryNumber)->text();
            name = Find<QLineEdit>(dialog, ids::kIdcEntryName)->text();
            slot = Find<QWidget>(dialog, ids::kIdcEntrySlotId)->property("text").toString();
            QTest::mouseClick(Find<QPushButton>(dialog, ids::kIdCancel), Qt::LeftButton);
        });
    view.Edit(2);
    QVERIFY(steps.Done());
    QVERIFY(individual_checked);
    QCOMPARE(number, QString());
    QCOMPARE(name, QString());
    QCOMPARE(slot, "*02");
}

void SpeedDialIndividualTest::cancelledTypeChoiceChangesNothing() {
    Page view;
    view.fixture.SetSavedFlag();
    ModalSteps steps;
    steps.Press(kTypeSelect, ids::kIdCancel);
    view.Edit(1);
    QVERIFY(steps.Done());
    QCOMPARE(steps.Met(), QStringList{kTypeSelect});
    QCOMPARE(view.fixture.Entry("*01").kind, EntryKind::Empty);
    QVERIFY(view.fixture.IsSaved());
}

void SpeedDialIndividualTest::okOnTheIndividualDialog_data() {
    QTest::addColumn<bool>("existing");  // the slot holds "Bo" / "12" before
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("stored_number");
    QTest::addColumn<QString>("stored_name");
    QTest::addColumn<bool>("changed");
    QTest::newRow("new: number, no name") << false << "123"
                                          << "" << 1 << "123"
                                          << "" << true;
    QTest::newRow("new: number and name") << false << "0311*#"
                                          << "Cy Dee" << 1 << "0311*#"
                                          << "Cy Dee" << true;
    QTest::newRow("new: both empty acts as Cancel") << false << ""
                                                    << "" << 0 << ""
                                                    << "" << false;
    QTest::newRow("existing: both erased empties") << true << ""
                                                   << "" << 0 << ""
                                                   << "" << true;
    QTest::newRow("existing: unchanged") << true << "12"
                                         << "Bo" << 1 << "12"
                                         << "Bo" << false;
    QTest::newRow("existing: name only") << true << "12"
                                         << "Bob" << 1 << "12"
                                         << "Bob" << true;
    QTest::newRow("existing: number only") << true << "345"
                                           << "Bo" << 1 << "345"
                                           << "Bo" << true;
}

void SpeedDialIndividualTest::okOnTheIndividualDialog() {
    QFETCH(bool, existing);
    QFETCH(QString, number);
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(QString, stored_number);
    QFETCH(QString, stored_name);
    QFETCH(bool, changed);
    Page view;
    if (existing) {
        view.fixture.SetIndividual("01", "Bo", "12");
        view.fixture.MarkRead();
        view.Reload();
    }
    view.fixture.SetSavedFlag();
    ModalSteps steps;
    if (!existing) steps.Press(kTypeSelect, ids::kIdOk);
    steps.Then(kIndividual, [&](QWidget* dialog) {
        Retype(Find<QLineEdit>(dialog, ids::kIdcEntryNumber), number);
        Retype(Find<QLineEdit>(dialog, ids::kIdcEntryName), name);
        QTest::mouseClick(Find<QPushButton>(dialog, ids::kIdOk), Qt::LeftButton);
    });
    view.Edit(6);
    QVERIFY(steps.Done());
    QVERIFY(steps.BoxTexts().isEmpty());
    const orvane::DialEntry& entry = view.fixture.Entry("01");
    QCOMPARE(static_cast<int>(entry.kind), kind);
    QCOMPARE(EntryNumber(entry), stored_number);
    QCOMPARE(EntryName(entry), stored_name);
    QCOMPARE(view.fixture.IsSaved(), !changed);
    QCOMPARE(view.fixture.RemoteSetup()->IsModified() == orvane::rs::kModified, changed);
    QCOMPARE(view.List()->model()->index(6, 2).data().toString(), stored_number);
}

void SpeedDialIndividualTest::nameWithoutNumberShows166AndFocusesTheNumber() {
    Page view;
    view.fixture.SetIndividual("01", "Bo", "12");
    view.Reload();
    view.fixture.SetSavedFlag();
    bool number_focused = false;
    ModalSteps steps;
    steps
        .Then(kIndividual,
              [](QWidget* dialog) {
                  Retype(Find<QLineEdit>(dialog, ids::kIdcEntryNumber), "");
                  QTest::mouseClick(Find<QPushButton>(dialog, ids::kIdOk), Qt::LeftButton);
              })
        .Box()
        .Then(kIndividual, [&](QWidget* dialog) {
            number_focused = dialog->focusWidget() == Find<QLineEdit>(dialog, ids::kIdcEntryNumber);
            QTest::mouseClick(Find<QPushButton>(dialog, ids::kIdCancel), Qt::LeftButton);
        });
    view.Edit(6);
    QVERIFY(steps.Done());
    QCOMPARE(steps.BoxTexts(), QStringList{orvane::LoadString(ids::kMsgNumberRequired)});
    QVERIFY(number_focused);
    QCOMPARE(EntryNumber(view.fixture.Entry("01")), "12");
    QVERIFY(view.fixture.IsSaved());
}

void SpeedDialIndividualTest::editorIsReachedFromKeyboardAndMouse_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Enter on the list") << "list";
    QTest::newRow("Enter on Edit") << "button";
    QTest::newRow("double-click") << "double-click";
}

void SpeedDialIndividualTest::editorIsReachedFromKeyboardAndMouse() {
    QFETCH(QString, way);
    Page view;
    view.fixture.SetIndividual("*03", "Bo", "12");
    view.Reload();
    view.page.SelectRow(3);
    QString shown;
    ModalSteps steps;
    steps.Then(kIndividual, [&](QWidget* dialog) {
        shown = Find<QLineEdit>(dialog, ids::kIdcEntryName)->text();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    if (way == "list") {
        view.List()->setFocus();
        QTest::keyClick(view.List(), Qt::Key_Return);
    } else if (way == "button") {
        view.page.EditButton()->setFocus();
        QTest::keyClick(view.page.EditButton(), Qt::Key_Return);
    } else {
        const QPoint at = view.List()->visualRect(view.List()->model()->index(3, 1)).center();
        // A double click: press and release, then the double-click press and its release.
        QTest::mouseClick(view.List()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(view.List()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    QVERIFY(steps.Done());
    QCOMPARE(shown, "Bo");
    QTRY_COMPARE(view.page.focusWidget(), view.page.EditButton());
}

void SpeedDialIndividualTest::onlyALeftDoubleClickEdits_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("edits");
    QTest::newRow("left") << Qt::LeftButton << true;
    QTest::newRow("right") << Qt::RightButton << false;
    QTest::newRow("middle") << Qt::MiddleButton << false;
}

void SpeedDialIndividualTest::onlyALeftDoubleClickEdits() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, edits);
    Page view;
    view.fixture.SetIndividual("*03", "Bo", "12");
    view.Reload();
    ModalSteps steps;
    steps.Then(kIndividual, [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    const QPoint at = view.List()->visualRect(view.List()->model()->index(3, 1)).center();
    QTest::mouseClick(view.List()->viewport(), button, Qt::NoModifier, at);
    QTest::mouseDClick(view.List()->viewport(), button, Qt::NoModifier, at);
    // The editor runs inside the double-click: it was met, or never opened, once the click returns.
    QCOMPARE(steps.Met(), edits ? QStringList{kIndividual} : QStringList());
    QCOMPARE(view.List()->SelectedRows(), QList<int>{3});
}

void SpeedDialIndividualTest::editWithoutSelectionMarkOpensNothing() {
    Page view;
    view.List()->setFocus();
    // One row selected, but no selection mark.
    view.List()->selectionModel()->clear();
    view.List()->selectionModel()->select(view.List()->model()->index(2, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // A row selected from outside the list takes the mark, as a click would: take it away again.
    view.List()->selectionModel()->clearCurrentIndex();
    QCOMPARE(view.List()->SelectionMark(), -1);
    QVERIFY(view.page.EditButton()->isEnabled());
    ModalSteps steps;
    steps.Press(kTypeSelect, ids::kIdCancel);
    // Edit runs its dialogs inside the key press: none was met when it returns.
    QTest::keyClick(view.List(), Qt::Key_Return);
    QVERIFY(steps.Met().isEmpty());
    QVERIFY(view.List()->hasFocus());
}

void SpeedDialIndividualTest::editsAreLimitedToThePrinterLengths() {
    Page view(5, 7);
    int number_limit = 0;
    int name_limit = 0;
    QString typed_number;
    ModalSteps steps;
    steps.Press(kTypeSelect, ids::kIdOk).Then(kIndividual, [&](QWidget* dialog) {
        auto* number = Find<QLineEdit>(dialog, ids::kIdcEntryNumber);
        number_limit = number->maxLength();
        name_limit = Find<QLineEdit>(dialog, ids::kIdcEntryName)->maxLength();
        QTest::keyClicks(number, "0123456789");
        typed_number = number->text();
        QTest::mouseClick(Find<QPushButton>(dialog, ids::kIdOk), Qt::LeftButton);
    });
    view.Edit(0);
    QVERIFY(steps.Done());
    QCOMPARE(number_limit, 7);
    QCOMPARE(name_limit, 5);
    QCOMPARE(typed_number, "0123456");
    QCOMPARE(EntryNumber(view.fixture.Entry("*00")), "0123456");
}

void SpeedDialIndividualTest::numberFieldTakesDialCharactersOnly() {
    Page view;
    QString typed;
    ModalSteps steps;
    steps.Press(kTypeSelect, ids::kIdOk).Then(kIndividual, [&](QWidget* dialog) {
        auto* number = Find<QLineEdit>(dialog, ids::kIdcEntryNumber);
        QTest::keyClicks(number, "1a2#x");
        typed = number->text();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    view.Edit(0);
    QVERIFY(steps.Done());
    QCOMPARE(typed, "12#");
}

void SpeedDialIndividualTest::editRestoresTheView() {
    Page view;
    view.page.resize(520, 100);
    view.page.layout()->activate();
    view.List()->ScrollToTopRow(2);
    ModalSteps steps;
    steps.Press(kTypeSelect, ids::kIdOk).Then(kIndividual, [](QWidget* dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, ids::kIdcEntryNumber), "55");
        QTest::mouseClick(Find<QPushButton>(dialog, ids::kIdOk), Qt::LeftButton);
    });
    view.List()->selectionModel()->setCurrentIndex(
        view.List()->model()->index(4, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QTest::mouseClick(view.page.EditButton(), Qt::LeftButton);
    QVERIFY(steps.Done());
    QCOMPARE(view.List()->TopRow(), 2);
    QCOMPARE(view.List()->SelectedRows(), QList<int>{4});
    QCOMPARE(view.List()->currentIndex().row(), 4);
    QCOMPARE(view.List()->model()->index(4, 2).data().toString(), "55");
    QTRY_COMPARE(view.page.focusWidget(), view.page.EditButton());
}

QTEST_MAIN(SpeedDialIndividualTest)
#include "tst_speed_dial_individual.moc"
