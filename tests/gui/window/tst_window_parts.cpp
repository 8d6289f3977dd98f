#include <QtTest>

#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>

#include "app/result_message.h"
#include "app/rsu_main.h"
#include "message_box_answerer.h"
#include "pages/rsu_list_ctrl.h"
#include "pages/rsu_tree_ctrl.h"
#include "platform/model_list.h"
#include "platform/printer_enumeration.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"
#include "ui/language_module.h"

namespace ids = orvane::ids;

// The window's parts on real files and real widgets: result messages, the model list, the
// printers file and device URIs, and the tree and list controls.
class WindowPartsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void resultCodeGivesItsMessage_data();
    void resultCodeGivesItsMessage();
    void showResultMessageShowsTheMappedText();
    void modelListReadsModelsInFileOrder();
    void modelListRefusesBrokenFiles_data();
    void modelListRefusesBrokenFiles();
    void windowWithoutModelListShows164();
    void printersFileSkipsCommentsAndMalformedLines();
    void storedPrinterIsPreselected();
    void noPrintingSystemGivesAnEmptyList();
    void deviceUriGivesPortName_data();
    void deviceUriGivesPortName();
    void usbUriFindsItsNode();
    void treeSelectsOnlyPages();
    void listKeepsItsSelection();
    void wheelOverTheHorizontalBarScrollsSideways_data();
    void wheelOverTheHorizontalBarScrollsSideways();
    void everyControlHasAnAccessibleName();

  private:
    QString WriteFile(const QString& name, const QByteArray& bytes);
    QTemporaryDir folder_;
};

void WindowPartsTest::initTestCase() {
    QVERIFY(folder_.isValid());
    UseSettingsFolder(folder_);
    QVERIFY(orvane::LoadLanguageModule(0x0409, ORVANE_TEST_PROGRAM_DIR));
}

QString WindowPartsTest::WriteFile(const QString& name, const QByteArray& bytes) {
    const QString path = folder_.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
    return path;
}

void WindowPartsTest::resultCodeGivesItsMessage_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("message");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1") << 1 << ids::kMsgOutOfMemory;
    for (int code : {2, 3, 8, 9, 10, 11, 12, 16, 19, 21, 22}) {
        QTest::addRow("%d", code) << code << ids::kMsgCommunicationFailed;
    }
    for (int code : {14, 15}) QTest::addRow("%d", code) << code << ids::kMsgLoadFailed;
    QTest::newRow("20") << 20 << ids::kMsgSaveFailed;
    for (int code : {24, 26, 27, 36}) QTest::addRow("%d", code) << code << ids::kMsgPrinterBusy;
    QTest::newRow("35") << 35 << ids::kMsgPortClaimed;
    for (int code : {4,  5,  6,  7,  13, 17, 18, 23,   25, 28,         29,         30,         31,
                     32, 33, 34, 37, 38, 39, 41, 1000, -1, 0x10000001, 0x10000002, 0x10000003, 0x10000004}) {
        QTest::addRow("%d", code) << code << ids::kMsgGeneralFailure;
    }
}

void WindowPartsTest::resultCodeGivesItsMessage() {
    QFETCH(int, code);
    QFETCH(int, message);
    QCOMPARE(orvane::ResultMessageId(code), message);
}

void WindowPartsTest::showResultMessageShowsTheMappedText() {
    MessageBoxAnswerer answerer;
    orvane::ShowResultMessage(nullptr, 0);
    orvane::ShowResultMessage(nullptr, 0x10000001);
    QCOMPARE(answerer.Texts(), QStringList{orvane::LoadString(ids::kMsgGeneralFailure)});
}

void WindowPartsTest::modelListReadsModelsInFileOrder() {
    const QString path = WriteFile("models.dat",
                                   "[Velor FX200]\nDeviceInfo=1\nFax=1\nProductID=4661\n"
                                   "[InformationSurvey]\nVersion=1\nCollectData=1\n"
                                   "[Velor Disabled]\nDeviceInfo=2\nFax=1\nProductID=9\nDevID=X\n"
                                   "[Velor MX100 series]\nDeviceInfo=1\nScanner=1\nPrinter=1\nFax=65536\n"
                                   "ProductID=0x1234\nManual=1\nDevID=MX100 series\nSurveyDevID=MX100\n"
                                   "[Velor FX200]\nDeviceInfo=1\nProductID=7\n");
    std::vector<orvane::ModelRecord> models;
    QCOMPARE(orvane::ReadModelList(path, &models), 0);
    QCOMPARE(models.size(), std::size_t{3});
    QCOMPARE(models[0].driver_name, QString("Velor FX200"));
    QCOMPARE(models[0].functions, orvane::kFunctionFax);
    QCOMPARE(models[0].product_id, std::uint16_t{4661});
    QVERIFY(!models[0].help_reg_name && !models[0].survey_dev_id && !models[0].dev_id);
    QCOMPARE(models[0].manual, 0);
    // Fax=65536 has no low 16 bits set.
    QCOMPARE(models[1].functions, std::uint8_t(orvane::kFunctionScanner | orvane::kFunctionPrinter));
    QCOMPARE(models[1].product_id, std::uint16_t{0x1234});
    QCOMPARE(*models[1].dev_id, QString("MX100 series"));
    QCOMPARE(*models[1].survey_dev_id, QString("MX100"));
    // The repeated section reads the first section's values; the first record wins the lookup.
    QCOMPARE(models[2].product_id, std::uint16_t{4661});
    QCOMPARE(orvane::FindModel(models, "Velor FX200"), 0);
    QCOMPARE(orvane::FindModel(models, "velor fx200"), -1);
    QCOMPARE(orvane::FindModel(models, "Velor Disabled"), -1);
    QCOMPARE(orvane::FindModel(models, "InformationSurvey"), -1);
}

void WindowPartsTest::modelListRefusesBrokenFiles_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << folder_.filePath("no-such.dat");
    QTest::newRow("a folder") << folder_.path();
    QTest::newRow("cut in a header") << WriteFile("cut.dat", "[Velor FX200]\nDeviceInfo=1\n[Velor MX1");
    QTest::newRow("NUL byte") << WriteFile("nul.dat", QByteArray("[Velor FX200]\nDeviceInfo=1\0\n", 28));
}

void WindowPartsTest::modelListRefusesBrokenFiles() {
    QFETCH(QString, path);
    std::vector<orvane::ModelRecord> models(1);
    QCOMPARE(orvane::ReadModelList(path, &models), -1);
    QVERIFY(models.empty());
}

void WindowPartsTest::windowWithoutModelListShows164() {
    QTemporaryDir empty;
    MessageBoxAnswerer answerer;
    orvane::CRSUMain window(nullptr, empty.path());
    QVERIFY(!window.IsUsable());
    QCOMPARE(answerer.Texts(), QStringList{orvane::LoadString(ids::kMsgModelListFailed)});
}

void WindowPartsTest::printersFileSkipsCommentsAndMalformedLines() {
    qputenv("ORVANE_PRINTERS", WriteFile("printers",
                                         "# comment\n\nA\tVelor FX200\tUSB001\nbroken line\n"
                                         "B\tDriver\tVLNETP_host\tspare\nC\tVelor MX100 series\t\n")
                                   .toUtf8());
    bool ok = false;
    const QList<orvane::InstalledPrinter> printers = orvane::EnumeratePrinters(&ok);
    QVERIFY(ok);
    QCOMPARE(printers.size(), 2);
    QCOMPARE(printers[0].name, QString("A"));
    QCOMPARE(printers[0].port, QString("USB001"));
    QCOMPARE(printers[1].driver, QString("Velor MX100 series"));
    QCOMPARE(printers[1].port, QString());
    qputenv("ORVANE_PRINTERS", folder_.filePath("no-such-file").toUtf8());
    QVERIFY(orvane::EnumeratePrinters(&ok).isEmpty());
    QVERIFY(!ok);
}

void WindowPartsTest::storedPrinterIsPreselected() {
    qputenv("ORVANE_PRINTERS", WriteFile("printers",
                                         "One\tVelor FX200\tUSB001\nTwo\tvelor fx200\tUSB002\n"
                                         "Three\tVelor MX100 series\tUSB003\n")
                                   .toUtf8());
    QSettings user(UserSettingsFile(folder_), QSettings::IniFormat);
    user.setValue("SelectedDevice", "Three");
    user.sync();
    orvane::CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    auto* list = window.findChild<QComboBox*>(QString::number(ids::kIdcPrinterList));
    QCOMPARE(list->count(), 2);  // the driver differing only in case is not listed
    QCOMPARE(list->currentText(), QString("Three"));
    QVERIFY(window.findChild<QPushButton*>(QString::number(ids::kIdcRead))->isEnabled());
    user.remove("SelectedDevice");
    user.sync();
}

void WindowPartsTest::noPrintingSystemGivesAnEmptyList() {
    // Nobody listens on this socket: the list is empty at once.
    qunsetenv("ORVANE_PRINTERS");
    qputenv("CUPS_SERVER", folder_.filePath("no-cupsd.sock").toUtf8());
    QVERIFY(orvane::EnumeratePrinters().isEmpty());
    qunsetenv("CUPS_SERVER");
}

void WindowPartsTest::deviceUriGivesPortName_data() {
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("port");
    QTest::newRow("socket") << "socket://192.0.2.7:9100"
                            << "VLNETP_192.0.2.7";
    QTest::newRow("ipp") << "ipp://fax.example/ipp/print"
                         << "VLNETP_fax.example";
    QTest::newRow("lpd") << "lpd://printer/queue"
                         << "VLNETP_printer";
    QTest::newRow("ipv6") << "socket://[2001:db8::1]:9100"
                          << "VLNETP_[2001:db8::1]";
    QTest::newRow("file") << "file:///dev/null"
                          << "";
    QTest::newRow("garbage") << "::"
                             << "";
    QTest::newRow("usb without node") << "usb://Nobody/Nothing"
                                      << "";
}

void WindowPartsTest::deviceUriGivesPortName() {
    QFETCH(QString, uri);
    QFETCH(QString, port);
    QCOMPARE(orvane::PortNameFromDeviceUri(uri), port);
}

void WindowPartsTest::usbUriFindsItsNode() {
    QTemporaryDir root;
    QVERIFY(QDir().mkpath(root.filePath("dev")));
    for (const auto& [node, id] :
         {std::pair{"lp0", "MFG:Other;MDL:Thing;"}, std::pair{"lp2", "MFG:Velor;MDL:MX100;SN:1234;"}}) {
        QFile(root.filePath(QString("dev/") + node)).open(QIODevice::WriteOnly);
        const QString device = root.filePath(QString("sys/class/usbmisc/") + node + "/device");
        QVERIFY(QDir().mkpath(device));
        QFile file(device + "/ieee1284_id");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(id);
    }
    qputenv("ORVANE_USB_DEVICE_DIR", root.filePath("dev").toUtf8());
    qputenv("ORVANE_SYSFS_DIR", root.filePath("sys").toUtf8());
    QCOMPARE(orvane::PortNameFromDeviceUri("usb://Velor/MX100?serial=1234"), QString("USB003"));
    QCOMPARE(orvane::PortNameFromDeviceUri("usb://Velor/MX100"), QString("USB003"));
    QCOMPARE(orvane::PortNameFromDeviceUri("usb://Velor/MX100?serial=999"), QString());
    QCOMPARE(orvane::PortNameFromDeviceUri("usb://Other/Thing"), QString("USB001"));
    qunsetenv("ORVANE_SYSFS_DIR");
    qunsetenv("ORVANE_USB_DEVICE_DIR");
}

void WindowPartsTest::treeSelectsOnlyPages() {
    using orvane::PageRow;
    const std::vector<PageRow> rows = {{orvane::kRowRoot, 0, "Printer", 0},
                                       {orvane::kRowHeading, 1, "Fax", 0},
                                       {orvane::kRowPage, 2, "Speed dial", 1},
                                       {orvane::kRowPage, 2, "Sender", 0}};
    orvane::CRSUTreeCtrl tree;
    tree.SetPageRows(&rows);
    auto* root = new QTreeWidgetItem(QStringList("Printer"));
    tree.addTopLevelItem(root);
    auto* heading = new QTreeWidgetItem(root, QStringList("Fax"));
    auto* speed_dial = new QTreeWidgetItem(heading, QStringList("Speed dial"));
    auto* sender = new QTreeWidgetItem(heading, QStringList("Sender"));
    tree.expandAll();
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    tree.setCurrentItem(sender);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(heading).center());
    QCOMPARE(tree.currentItem(), sender);
    QTest::keyClick(&tree, Qt::Key_Home);
    QCOMPARE(tree.currentItem(), speed_dial);
    QTest::keyClick(&tree, Qt::Key_Up);
    QCOMPARE(tree.currentItem(), speed_dial);
    QTest::keyClick(&tree, Qt::Key_Left);
    QCOMPARE(tree.currentItem(), speed_dial);
    QVERIFY(heading->isExpanded());
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(sender).center());
    QCOMPARE(tree.currentItem(), sender);
    const std::vector<PageRow> none;
    tree.SetPageRows(&none);
    QTest::keyClick(&tree, Qt::Key_PageUp);
    QCOMPARE(tree.currentItem(), sender);
}

void WindowPartsTest::listKeepsItsSelection() {
    QStandardItemModel model(3, 2);
    orvane::CRSUListCtrl list;
    list.setModel(&model);
    list.resize(300, 300);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.SelectRow(1);
    const QPoint empty(10, list.viewport()->height() - 5);
    QVERIFY(!list.indexAt(empty).isValid());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, empty);
    QCOMPARE(list.SelectedRows(), QList<int>{1});
    const QPoint row1 = list.visualRect(model.index(1, 0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, row1);
    QCOMPARE(list.SelectedRows(), QList<int>{1});
    QTest::keyClick(&list, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(list.SelectedRows(), QList<int>{1});
}

void WindowPartsTest::wheelOverTheHorizontalBarScrollsSideways_data() {
    QTest::addColumn<bool>("tree");
    QTest::addColumn<bool>("over_bar");  // else over the rows
    QTest::addColumn<int>("turn");       // the wheel's angle: positive away from the user
    QTest::addColumn<int>("sideways");   // -1 left, 1 right: by 10 pixels in a list, a line in the tree
    QTest::newRow("list, away: left") << false << true << 120 << -1;
    QTest::newRow("list, towards: right") << false << true << -120 << 1;
    QTest::newRow("tree, away: left") << true << true << 120 << -1;
    QTest::newRow("tree, towards: right") << true << true << -120 << 1;
    QTest::newRow("list, over the rows: down") << false << false << -120 << 0;
    QTest::newRow("tree, over the rows: down") << true << false << -120 << 0;
}

void WindowPartsTest::wheelOverTheHorizontalBarScrollsSideways() {
    QFETCH(bool, tree);
    QFETCH(bool, over_bar);
    QFETCH(int, turn);
    QFETCH(int, sideways);
    // Rows wider and more than the control shows, scrolled to the middle both ways.
    const QString wide(60, 'W');
    QStandardItemModel model(40, 3);
    for (int row = 0; row < 40; ++row) model.setItem(row, 0, new QStandardItem(wide));
    orvane::CRSUListCtrl list;
    list.setModel(&model);
    list.header()->resizeSection(0, 700);
    orvane::CRSUTreeCtrl tree_ctrl;
    auto* root = new QTreeWidgetItem(QStringList(wide));
    tree_ctrl.addTopLevelItem(root);
    for (int row = 0; row < 40; ++row) new QTreeWidgetItem(root, QStringList(wide));
    tree_ctrl.expandAll();
    QAbstractItemView* view = tree ? static_cast<QAbstractItemView*>(&tree_ctrl) : &list;
    view->resize(200, 200);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QScrollBar* horizontal = view->horizontalScrollBar();
    QScrollBar* vertical = view->verticalScrollBar();
    QVERIFY(horizontal->isVisible() && vertical->isVisible());
    horizontal->setValue(horizontal->maximum() / 2);
    vertical->setValue(vertical->maximum() / 2);
    const int left = horizontal->value();
    const int top = vertical->value();

    QWidget* target = over_bar ? static_cast<QWidget*>(horizontal) : view->viewport();
    const QPointF at = target->rect().center();
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, turn), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
    QCOMPARE(horizontal->value() - left, sideways * (tree ? horizontal->singleStep() : 10));
    QCOMPARE(vertical->value() != top, !over_bar);
}

void WindowPartsTest::everyControlHasAnAccessibleName() {
    qputenv("ORVANE_PRINTERS", WriteFile("printers", "One\tVelor FX200\tUSB001\n").toUtf8());
    orvane::CRSUMain window(nullptr, ORVANE_TEST_PROGRAM_DIR);
    QList<QWidget*> controls;
    // Every control with an ID, as tests and screen readers find it.
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty()) continue;
        if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
            qobject_cast<QAbstractItemView*>(widget)) {
            controls.append(widget);
        }
    }
    QVERIFY(controls.size() >= 17);
    for (QWidget* control : controls) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible != nullptr);
        const QString name = accessible->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && !name.contains('&'), qPrintable(control->objectName()));
        if (!control->toolTip().isEmpty()) {
            QCOMPARE(accessible->text(QAccessible::Description), control->toolTip());
        }
    }
}

QTEST_MAIN(WindowPartsTest)
#include "tst_window_parts.moc"
