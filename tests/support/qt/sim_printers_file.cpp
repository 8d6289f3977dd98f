#include "sim_printers_file.h"

#include <QFile>

#include "sim_printer.h"

bool InstallSimPrinters(const SimPrinter& printer, const QString& path) {
    if (!printer.IsReady()) return false;
    qputenv("ORVANE_USB_DEVICE_DIR", printer.UsbFolder().toUtf8());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    file.write("# name\tdriver\tport\n");
    file.write("Office Fax\tVelor MX100 series\tUSB001\n");
    file.write("Net Fax\tVelor MX100 series\t" + printer.NetworkPort().toUtf8() + "\n");
    file.write("Unlisted\tOther Maker 9\tUSB002\n");
    file.close();
    qputenv("ORVANE_PRINTERS", file.fileName().toUtf8());
    return true;
}

bool WriteMultifunctionModelList(const QString& program) {
    QFile file(program + "/orvkit.dat");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray models =
        "[Velor MX100 series]\nDeviceInfo=1\nScanner=1\nPrinter=1\nFax=1\nProductID=4660\n";
    return file.write(models) == models.size();
}
