#include <QtTest>

#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QTreeWidget>

#include "app/rsu_main.h"
#include "message_box_answerer.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/rsu_page.h"
#include "read_window.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "sim_printer.h"
#include "sim_printers_file.h"
#include "ui/language_module.h"

using orvane::CRSUMain;
namespace ids = orvane::ids;

namespace {

// A control's rectangle in the window's coordinates.
QRect RectIn(const QWidget& window, const QWidget* control) {
    return QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
}

QRect WorkArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

}  // namespace

// The main window's size memory, its growth rules, its minimum size and the keyboard bridge.
class WindowLayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void restoresTheStoredSize_data();
    void restoresTheStoredSize();
    void closingStoresTheSize();
    void closingMaximizedStoresTheRestoredSizeAndTheNextStartMaximizes();
    void neverSmallerThan788x500();
    void everyLanguageFitsTheMinimumSize_data();
    void everyLanguageFitsTheMinimumSize();
    void controlsFollowTheGrowthOfTheWindow();
    void pageButtonsKeepTheirDistanceFromTheBottomRight();
    void tabFromMoreEntersThePageList_data();
    void tabFromMoreEntersThePageList();
    void tabOnARowWithoutPageFollowsTheFocusOrder();

  private:
    void StoreSize(const QVariant& width, const QVariant& height, const QVariant& maximized);
    QSettings User() const { return QSettings(UserSettingsFile(folder_), QSettings::IniFormat); }
    // "LastWindowWidth", "LastWindowHeight" and "LastWindowMaximize" as stored.
    QList<int> StoredSize() const;
    void StartPrinter();

    QTemporaryDir folder_;
    std::unique_ptr<SimPrinter> sim_;
};

void WindowLayoutTest::initTestCase() {
    QVERIFY(UsePrivateFolders(folder_));
    // Without a printer the window has nothing to read; the size tests need none.
    QFile empty(folder_.filePath("no-printers"));
    QVERIFY(empty.open(QIODevice::WriteOnly));
}

void WindowLayoutTest::init() {
    ClearUserSettings(folder_);
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
    qputenv("ORVANE_PRINTERS", folder_.filePath("no-printers").toUtf8());
    sim_.reset();
}

void WindowLayoutTest::StoreSize(const QVariant& width, const QVariant& height, const QVariant& maximized) {
    QSettings user = User();
    const std::pair<const char*, QVariant> values[] = {
        {"LastWindowWidth", width}, {"LastWindowHeight", height}, {"LastWindowMaximize", maximized}};
    for (const auto& [name, value] : values) {
        if (value.isValid()) user.setValue(name, value);
    }
    user.sync();
}

QList<int> WindowLayoutTest::StoredSize() const {
    const QSettings user = User();
    return {user.value("LastWindowWidth").toInt(), user.value("LastWindowHeight").toInt(),
            user.value("LastWindowMaximize").toInt()};
}

void WindowLayoutTest::StartPrinter() {
    sim_ = std::make_unique<SimPrinter>();
    QVERIFY(InstallPrinters(*sim_, folder_.filePath("printers"), "Velor MX100 series", "Velor FX200"));
}

void WindowLayoutTest::restoresTheStoredSize_data() {
    QTest::addColumn<QVariant>("width");
    QTest::addColumn<QVariant>("height");
    QTest::addColumn<QVariant>("maximized");
    QTest::addColumn<QSize>("size");
    const QSize default_size(788, 500);
    QTest::newRow("stored") << QVariant(790) << QVariant(520) << QVariant(0) << QSize(790, 520);
    // The work area of the test screen is smaller than 5000 x 4000: it is the size then.
    QTest::newRow("larger than the work area") << QVariant(5000) << QVariant(4000) << QVariant(0) << QSize();
    QTest::newRow("nothing stored") << QVariant() << QVariant() << QVariant() << default_size;
    QTest::newRow("no width") << QVariant() << QVariant(600) << QVariant(0) << default_size;
    QTest::newRow("no height") << QVariant(790) << QVariant() << QVariant(1) << default_size;
    QTest::newRow("no maximized flag") << QVariant(790) << QVariant(560) << QVariant() << default_size;
    QTest::newRow("width not a number") << QVariant("wide") << QVariant(560) << QVariant(0) << default_size;
}

void WindowLayoutTest::restoresTheStoredSize() {
    QFETCH(QVariant, width);
    QFETCH(QVariant, height);
    QFETCH(QVariant, maximized);
    QFETCH(QSize, size);
    StoreSize(width, height, maximized);
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), size.isValid() ? size : WorkArea().size());
    QCOMPARE(window.pos(), QPoint(0, 0));
    QVERIFY(!window.isMaximized());
}

void WindowLayoutTest::closingStoresTheSize() {
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(795, 530);
    QTRY_COMPARE(window.size(), QSize(795, 530));
    Press(window, ids::kIdCancel);
    QVERIFY(!window.isVisible());
    QCOMPARE(StoredSize(), (QList<int>{795, 530, 0}));
}

void WindowLayoutTest::closingMaximizedStoresTheRestoredSizeAndTheNextStartMaximizes() {
    StoreSize(792, 510, 0);
    {
        CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        Press(window, ids::kIdCancel);
        QVERIFY(!window.isVisible());
    }
    QCOMPARE(StoredSize(), (QList<int>{792, 510, 1}));

    CRSUMain next(nullptr, ORVANE_TEST_PROGRAM_DIR);
    next.show();
    QVERIFY(QTest::qWaitForWindowExposed(&next));
    QTRY_VERIFY(next.isMaximized());
    // Restoring it gives the stored size, centred in the work area.
    next.showNormal();
    QTRY_VERIFY(!next.isMaximized());
    QTRY_COMPARE(next.size(), QSize(792, 510));
    const QRect work_area = WorkArea();
    QCOMPARE(next.pos(),
             work_area.topLeft() + QPoint((work_area.width() - 792) / 2, (work_area.height() - 510) / 2));
}

void WindowLayoutTest::neverSmallerThan788x500() {
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.minimumSize(), QSize(788, 500));
    window.resize(400, 300);
    QCOMPARE(window.size(), QSize(788, 500));
}

void WindowLayoutTest::everyLanguageFitsTheMinimumSize_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << 0x0409;
    QTest::newRow("German") << 0x0407;
    QTest::newRow("Japanese") << 0x0411;
    QTest::newRow("Arabic") << 0x0401;
}

void WindowLayoutTest::everyLanguageFitsTheMinimumSize() {
    QFETCH(int, language);
    StartPrinter();
    QVERIFY(orvane::LoadLanguageModule(static_cast<std::uint16_t>(language), ORVANE_TEST_PROGRAM_DIR));
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(ReadPrinter(window, "Office Fax"));
    const QSize needed = window.layout()->minimumSize();
    QVERIFY2(needed.width() <= 788 && needed.height() <= 500,
             qPrintable(QStringLiteral("%1 x %2").arg(needed.width()).arg(needed.height())));
    QCOMPARE(window.size(), QSize(788, 500));
}

void WindowLayoutTest::controlsFollowTheGrowthOfTheWindow() {
    StartPrinter();
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(ReadPrinter(window, "Office Fax"));
    const QList<int> controls = {ids::kIdcTree,  ids::kIdcPageHeading, ids::kIdOk,
                                 ids::kIdcSave,  ids::kIdcLoad,        ids::kIdcMore,
                                 ids::kIdCancel, ids::kIdcHelp,        ids::kIdcBottomStatic,
                                 ids::kIdcRead,  ids::kIdcPrinterList, ids::kIdcDirectoryStatic};
    QMap<int, QRect> before;
    for (int id : controls) before[id] = RectIn(window, Find<QWidget>(window, id));
    const QWidget* page = Find<QWidget>(window, ids::kIddSpeedDialPage);
    const QRect page_before = RectIn(window, page);
    const QSize base = window.size();

    const int dx = 231;
    const int dy = 117;
    window.resize(base + QSize(dx, dy));
    QTRY_COMPARE(window.size(), base + QSize(dx, dy));
    QTRY_COMPARE(RectIn(window, page), page_before.adjusted(0, 0, dx, dy));
    auto after = [&](int id) { return RectIn(window, Find<QWidget>(window, id)); };
    QCOMPARE(after(ids::kIdcTree), before[ids::kIdcTree].adjusted(0, 0, 0, dy));
    QCOMPARE(after(ids::kIdcPageHeading), before[ids::kIdcPageHeading].adjusted(0, 0, dx, 0));
    for (int id : {ids::kIdOk, ids::kIdcSave, ids::kIdcLoad, ids::kIdcMore}) {
        QCOMPARE(after(id), before[id].translated(0, dy));
    }
    for (int id : {ids::kIdCancel, ids::kIdcHelp}) QCOMPARE(after(id), before[id].translated(dx, dy));
    QCOMPARE(after(ids::kIdcBottomStatic), before[ids::kIdcBottomStatic].adjusted(0, dy, dx, dy));
    // The printer row and the static above the tree stay where they are.
    for (int id : {ids::kIdcRead, ids::kIdcPrinterList, ids::kIdcDirectoryStatic}) {
        QCOMPARE(after(id), before[id]);
    }
}

void WindowLayoutTest::pageButtonsKeepTheirDistanceFromTheBottomRight() {
    StartPrinter();
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(ReadPrinter(window, "Office Fax"));
    auto* page = Find<orvane::CRSUPage>(window, ids::kIddSpeedDialPage);
    const QSize base = page->size();
    auto distances = [page] {
        QList<QPoint> corners;
        for (QWidget* button :
             {static_cast<QWidget*>(page->EditButton()), static_cast<QWidget*>(page->SecondButton()),
              static_cast<QWidget*>(page->DeleteButton())}) {
            corners << QPoint(page->width(), page->height()) - button->geometry().topLeft();
        }
        return corners;
    };
    const QList<QPoint> before = distances();
    const QRect list_before = page->List()->geometry();
    window.resize(window.size() + QSize(150, 90));
    QTRY_COMPARE(page->size(), base + QSize(150, 90));
    QCOMPARE(distances(), before);
    QCOMPARE(page->List()->geometry(), list_before.adjusted(0, 0, 150, 90));
}

void WindowLayoutTest::tabFromMoreEntersThePageList_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("delete_button");
    QTest::newRow("speed dial") << ids::kIdsTreeSpeedDial << ids::kIdcSpeedDialList
                                << ids::kIdcSpeedDialDelete;
    QTest::newRow("sender") << ids::kIdsTreeSender << ids::kIdcSenderList << ids::kIdcSenderDelete;
    QTest::newRow("rejected numbers")
        << ids::kIdsTreeRejected << ids::kIdcRejectList << ids::kIdcRejectDelete;
}

void WindowLayoutTest::tabFromMoreEntersThePageList() {
    QFETCH(int, row);
    QFETCH(int, list);
    QFETCH(int, delete_button);
    StartPrinter();
    CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(ReadPrinter(window, "Office Fax"));
    auto* tree = Find<QTreeWidget>(window, ids::kIdcTree);
    const QString text = orvane::LoadString(row);
    tree->setCurrentItem(tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0));
    QCOMPARE(tree->currentItem()->text(0), text);

    // Load, then the More menu button beside it, then the page.
    auto* load = Find<QPushButton>(window, ids::kIdcLoad);
    load->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), load);
    QTest::keyClick(load, Qt::Key_Tab);
    auto* more = Find<QPushButton>(window, ids::kIdcMore);
    QTRY_COMPARE(QApplication::focusWidget(), more);
    QTest::keyClick(more, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), Find<QWidget>(window, list));

    auto* write = Find<QPushButton>(window, ids::kIdOk);
    write->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), write);
    QTest::keyClick(write, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_COMPARE(QApplication::focusWidget(), Find<QWidget>(window, delete_button));
}

void WindowLayoutTest::tabOnARowWithoutPageFollowsTheFocusOrder() {
    StartPrinter();
    // A model with the scanner function, whose tree has a row without a page.
    const QString program = folder_.filePath("multifunction");
    QVERIFY(QDir().mkpath(program));
    QVERIFY(WriteMultifunctionModelList(program));
    CRSUMain window(nullptr, program);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(ReadPrinter(window, "Office Fax"));
    auto* tree = Find<QTreeWidget>(window, ids::kIdcTree);
    tree->setCurrentItem(
        tree->findItems("Scanner Dummy Element", Qt::MatchExactly | Qt::MatchRecursive).value(0));
    QVERIFY(tree->currentItem() != nullptr);
    auto* more = Find<QPushButton>(window, ids::kIdcMore);
    more->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), more);
    QTest::keyClick(more, Qt::Key_Tab);
    // The next control after More in the window's own order, not the page shown.
    QTRY_VERIFY(QApplication::focusWidget() != more);
    const QWidget* page = Find<QWidget>(window, ids::kIddSpeedDialPage);
    QVERIFY(!page->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(window.isAncestorOf(QApplication::focusWidget()));
}

QTEST_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
