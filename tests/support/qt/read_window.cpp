#include "read_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>

#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "settings_folder.h"

bool UsePrivateFolders(const QTemporaryDir& folder) {
    if (!folder.isValid()) return false;
    UseSettingsFolder(folder);
    qputenv("XDG_DATA_HOME", folder.filePath("data").toUtf8());
    if (!UseObjectFolders(folder)) return false;
    qputenv("ORVANE_NETPORT_LIBRARY", ORVANE_NETPORT_LIBRARY);
    return true;
}

void ClearUserSettings(const QTemporaryDir& folder) {
    QSettings user(UserSettingsFile(folder), QSettings::IniFormat);
    user.clear();
    user.sync();
}

bool InstallPrinters(const SimPrinter& sim, const QString& path, const QString& office_driver,
                     const QString& other_driver) {
    if (!sim.IsReady()) return false;
    qputenv("ORVANE_USB_DEVICE_DIR", sim.UsbFolder().toUtf8());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    file.write(("Office Fax\t" + office_driver + "\tUSB001\n").toUtf8());
    file.write(("Other Fax\t" + other_driver + "\t" + sim.NetworkPort() + "\n").toUtf8());
    file.close();
    qputenv("ORVANE_PRINTERS", path.toUtf8());
    return true;
}

void Press(const QWidget& window, int id) {
    QTest::mouseClick(Find<QPushButton>(window, id), Qt::LeftButton);
}

bool ReadPrinter(orvane::CRSUMain& window, const QString& printer) {
    auto* list = Find<QComboBox>(window, orvane::ids::kIdcPrinterList);
    list->setCurrentIndex(list->findText(printer));
    Press(window, orvane::ids::kIdcRead);
    return window.RemoteSetup() != nullptr && window.PrinterName() == printer;
}

void EditFirstRejectedNumber(orvane::CRSUMain& window, const char* number) {
    auto* working = window.RemoteSetup()->Copy(orvane::DirectoryCopy::Working);
    orvane::StoreText(working->rejects[0].number, number);
    window.ClearSavedFlag();
}

QString Cell(const QWidget& window, int list_id, int row, int column) {
    const QAbstractItemModel* model = Find<QTreeView>(window, list_id)->model();
    return model->data(model->index(row, column)).toString();
}
