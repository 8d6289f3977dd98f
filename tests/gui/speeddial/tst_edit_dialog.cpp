#include <QtTest>

#include <QAction>
#include <QMessageBox>
#include <QPushButton>

#include "app/deferred_notice.h"
#include "app/language_module.h"
#include "pages/rsu_edit_dialog.h"
#include "resources/resource_ids.h"

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

QTEST_MAIN(EditDialogTest)
#include "tst_edit_dialog.moc"
