#include <QtTest>

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "page_fixture.h"
#include "pages/rsu_edit_dialog.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/speed_dial_group.h"
#include "pages/speed_dial_individual.h"
#include "pages/speed_dial_type_select.h"
#include "resources/resource_ids.h"
#include "ui/deferred_notice.h"
#include "ui/language_module.h"

using orvane::CRSUEditDialog;
namespace ids = orvane::ids;

// What every editing dialog shares: the end of the session refused with one notice, F1 ignored.
class EditDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void sessionEndIsRefusedWithOneNotice();
    void f1DoesNothing();
    void okAndCancelComeFromTheTemplate();
    void everyControlIsNamedInEveryLanguage_data();
    void everyControlIsNamedInEveryLanguage();
    void menusHaveTextsInEveryLanguage_data();
    void menusHaveTextsInEveryLanguage();

  private:
    QTemporaryDir folder_;
};

void EditDialogTest::initTestCase() {
    QVERIFY(folder_.isValid());
    // The notice's named object lives in the session folder.
    qputenv("ORVANE_SESSION_DIR", folder_.path().toUtf8());
    qputenv("ORVANE_OBJECT_DIR", folder_.path().toUtf8());
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

void EditDialogTest::sessionEndIsRefusedWithOneNotice() {
    CRSUEditDialog dialog(ids::kIddEntryType, nullptr);
    dialog.show();
    QStringList texts;
    bool refused_again = false;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        texts << box->text();
        // The session asks again while the notice is on screen: refused, and no second notice.
        refused_again = !dialog.QueryEndSession();
        QCoreApplication::processEvents();
        box->button(QMessageBox::Ok)->click();
    });
    watcher.start(20);
    QVERIFY(!dialog.QueryEndSession());
    QTRY_VERIFY(!texts.isEmpty() && !orvane::DeferredNoticeShown());
    QVERIFY(refused_again);
    QCOMPARE(texts, QStringList{orvane::LoadString(ids::kMsgSessionEndRefused)});
    QVERIFY(dialog.isVisible());
}

void EditDialogTest::f1DoesNothing() {
    QWidget other;
    auto* help = new QAction(&other);
    help->setShortcut(Qt::Key_F1);
    help->setShortcutContext(Qt::ApplicationShortcut);
    other.addAction(help);
    QSignalSpy triggered(help, &QAction::triggered);
    CRSUEditDialog dialog(ids::kIddEntryType, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(dialog.OkButton(), Qt::Key_F1);
    QTest::keyClick(&dialog, Qt::Key_F1);
    QCOMPARE(triggered.count(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
}

void EditDialogTest::okAndCancelComeFromTheTemplate() {
    CRSUEditDialog dialog(ids::kIddEntryType, nullptr);
    QCOMPARE(dialog.objectName(), QString::number(ids::kIddEntryType));
    QCOMPARE(dialog.windowTitle(), orvane::LoadTemplateText(ids::kIddEntryType, 0));
    QVERIFY(!dialog.windowTitle().isEmpty());
    QCOMPARE(dialog.OkButton()->objectName(), "1");
    QCOMPARE(dialog.CancelButton()->objectName(), "2");
    QVERIFY(!dialog.OkButton()->accessibleName().isEmpty());
    QVERIFY(!dialog.CancelButton()->accessibleName().isEmpty());
    QVERIFY(dialog.OkButton()->isDefault());
}

void EditDialogTest::everyControlIsNamedInEveryLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("dialog");
    for (int language : {0x0409, 0x0407, 0x0411, 0x0401}) {
        for (int dialog : {ids::kIddEntryType, ids::kIddIndividualEntry, ids::kIddGroupEntry}) {
            QTest::addRow("%04x %d", language, dialog) << language << dialog;
        }
    }
}

void EditDialogTest::everyControlIsNamedInEveryLanguage() {
    QFETCH(int, language);
    QFETCH(int, dialog);
    QVERIFY(orvane::LoadLanguageModule(static_cast<std::uint16_t>(language), ORVANE_TEST_PROGRAM_DIR));
    PageFixture fixture;
    fixture.SetIndividual("01", "Bo", "12");
    std::unique_ptr<CRSUEditDialog> window;
    if (dialog == ids::kIddEntryType) {
        window = std::make_unique<orvane::CRSUSpeedDialTypeSelect>(nullptr);
    } else if (dialog == ids::kIddIndividualEntry) {
        window = std::make_unique<orvane::CMPSpeedDialIndividual>(
            orvane::IndividualEntryTexts{"*00", {}, {}, false}, fixture.RemoteSetup(), nullptr);
    } else {
        window = std::make_unique<orvane::CMPSpeedDialGroup>(orvane::GroupEntryTexts{"*00", {}, false},
                                                             fixture.RemoteSetup(), nullptr);
    }
    QVERIFY(!window->windowTitle().isEmpty());
    int controls = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_")) continue;
        if (!qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QLineEdit*>(widget) &&
            !qobject_cast<QAbstractItemView*>(widget) && !qobject_cast<QLabel*>(widget)) {
            continue;
        }
        ++controls;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible != nullptr);
        const QString name = accessible->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && !name.contains('&'), qPrintable(widget->objectName()));
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) QVERIFY(!button->text().isEmpty());
    }
    // Type choice: 2 choices, OK, Cancel; individual: slot, number, name, OK, Cancel; group: slot,
    // name, two lists, Add, Remove, OK, Cancel.
    const int expected = dialog == ids::kIddEntryType ? 4 : dialog == ids::kIddIndividualEntry ? 5 : 8;
    QCOMPARE(controls, expected);
    if (auto* group = qobject_cast<orvane::CMPSpeedDialGroup*>(window.get())) {
        for (orvane::CRSUListCtrl* list : {group->Candidates(), group->Members()}) {
            for (int column = 0; column < 3; ++column) {
                QVERIFY(!list->model()->headerData(column, Qt::Horizontal).toString().isEmpty());
            }
        }
    }
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

void EditDialogTest::menusHaveTextsInEveryLanguage_data() {
    QTest::addColumn<int>("language");
    for (int language : {0x0409, 0x0407, 0x0411, 0x0401}) QTest::addRow("%04x", language) << language;
}

void EditDialogTest::menusHaveTextsInEveryLanguage() {
    QFETCH(int, language);
    QVERIFY(orvane::LoadLanguageModule(static_cast<std::uint16_t>(language), ORVANE_TEST_PROGRAM_DIR));
    const QList<QPair<int, int>> items = {{ids::kMenuPageContext, ids::kCmdSelectAll},
                                          {ids::kMenuPageContext, ids::kCmdEdit},
                                          {ids::kMenuPageContext, ids::kCmdDelete},
                                          {ids::kMenuCandidatesContext, ids::kCmdAddMember},
                                          {ids::kMenuMembersContext, ids::kCmdRemoveMember}};
    for (const auto& [menu, command] : items) {
        QVERIFY2(!orvane::LoadTemplateText(menu, command).isEmpty(), qPrintable(QString::number(command)));
    }
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

QTEST_MAIN(EditDialogTest)
#include "tst_edit_dialog.moc"
