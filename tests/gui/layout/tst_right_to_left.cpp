#include <QtTest>

#include <QScreen>
#include <QTreeWidget>

#include "app/about_dialog.h"
#include "app/rsu_main.h"
#include "pages/rsu_page.h"
#include "read_window.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "sim_printer.h"
#include "ui/language.h"
#include "ui/language_module.h"
#include "x_display.h"

using orvane::CRSUMain;
namespace ids = orvane::ids;

namespace {

// The share of the control's own opaque pixels that the screen shows where the control is.
double ShownShare(const QImage& screen, QWidget* control) {
    const QImage own = control->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint origin = control->mapToGlobal(QPoint(0, 0));
    int opaque = 0;
    int equal = 0;
    for (int y = 0; y < own.height(); ++y) {
        for (int x = 0; x < own.width(); ++x) {
            const QRgb pixel = own.pixel(x, y);
            if (qAlpha(pixel) != 255) continue;
            ++opaque;
            const QPoint at = origin + QPoint(x, y);
            if (screen.rect().contains(at) && (screen.pixel(at) | 0xFF000000u) == pixel) ++equal;
        }
    }
    return opaque == 0 ? 0.0 : static_cast<double>(equal) / opaque;
}

int ScreenX(const QWidget* control) {
    return control->mapToGlobal(QPoint(0, 0)).x();
}

}  // namespace

// Right to left with Arabic, checked on the screen of Xvfb: where Write and Close really are.
class RightToLeftTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void windowPagesAndDialogsFollowTheLanguage_data();
    void windowPagesAndDialogsFollowTheLanguage();

  private:
    QTemporaryDir folder_;
};

void RightToLeftTest::initTestCase() {
    if (!HaveXDisplay() || QGuiApplication::platformName() != "xcb")
        QSKIP("needs Xvfb (xvfb-run) and the xcb platform");
    QVERIFY(UsePrivateFolders(folder_));
}

void RightToLeftTest::windowPagesAndDialogsFollowTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("right_to_left");
    QTest::newRow("English") << 0x0409 << false;
    QTest::newRow("Arabic") << 0x0401 << true;
}

void RightToLeftTest::windowPagesAndDialogsFollowTheLanguage() {
    QFETCH(int, language);
    QFETCH(bool, right_to_left);
    const auto id = static_cast<std::uint16_t>(language);
    QVERIFY(orvane::LoadLanguageModule(id, ORVANE_TEST_PROGRAM_DIR));
    QApplication::setLayoutDirection(orvane::LayoutDirectionOf(id));
    SimPrinter sim;
    QVERIFY(InstallPrinters(sim, folder_.filePath("printers"), "Velor MX100 series", "Velor FX200"));
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(ReadPrinter(window, "Office Fax"));
    QTest::qWait(0);

    QWidget* write = Find<QWidget>(window, ids::kIdOk);
    QWidget* close = Find<QWidget>(window, ids::kIdCancel);
    // The buttons are on the screen where the window says they are.
    QImage screen;
    QTRY_VERIFY_WITH_TIMEOUT((screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage(),
                              ShownShare(screen, write) > 0.9 && ShownShare(screen, close) > 0.9),
                             20000);
    QCOMPARE(ScreenX(write) > ScreenX(close), right_to_left);
    QCOMPARE(ScreenX(Find<QWidget>(window, ids::kIdcTree)) >
                 ScreenX(Find<QWidget>(window, ids::kIddSpeedDialPage)),
             right_to_left);
    for (int page_id : {ids::kIddSpeedDialPage, ids::kIddSenderPage, ids::kIddRejectPage}) {
        const auto* page = Find<orvane::CRSUPage>(window, page_id);
        QCOMPARE(page->isRightToLeft(), right_to_left);
    }
    const auto* page = Find<orvane::CRSUPage>(window, ids::kIddSpeedDialPage);
    QCOMPARE(ScreenX(page->EditButton()) > ScreenX(page->DeleteButton()), right_to_left);

    // The language dialog against one laid out left to right whatever the language.
    orvane::CAboutDlg dialog(id, id, ORVANE_TEST_PROGRAM_DIR, &window);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.isRightToLeft(), right_to_left);
    QWidget* ok = Find<QWidget>(dialog, ids::kIdOk);
    QTRY_VERIFY_WITH_TIMEOUT(
        (screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage(), ShownShare(screen, ok) > 0.9),
        20000);
    orvane::CAboutDlg reference(id, id, ORVANE_TEST_PROGRAM_DIR, &window);
    reference.setLayoutDirection(Qt::LeftToRight);
    reference.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reference));
    auto ok_before_cancel = [](const QWidget& shown) {
        return Find<QWidget>(shown, ids::kIdOk)->mapTo(&shown, QPoint(0, 0)).x() <
               Find<QWidget>(shown, ids::kIdCancel)->mapTo(&shown, QPoint(0, 0)).x();
    };
    QCOMPARE(ok_before_cancel(dialog) != ok_before_cancel(reference), right_to_left);
}

QTEST_MAIN(RightToLeftTest)
#include "tst_right_to_left.moc"
