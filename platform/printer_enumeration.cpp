#include "platform/printer_enumeration.h"

#include <cups/cups.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QUrl>
#include <QUrlQuery>
#include <cstdio>

namespace orvane {
namespace {

QString EnvironmentPath(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? fallback : value;
}

// The fields of an IEEE 1284 device ID ("MFG:Velor;MDL:MX100;SN:1234;").
QHash<QString, QString> DeviceIdFields(const QString& id) {
    QHash<QString, QString> fields;
    for (const QString& part : id.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype colon = part.indexOf(QLatin1Char(':'));
        if (colon > 0) fields.insert(part.left(colon).trimmed().toUpper(), part.mid(colon + 1).trimmed());
    }
    return fields;
}

QString FirstField(const QHash<QString, QString>& fields, std::initializer_list<const char*> keys) {
    for (const char* key : keys) {
        const QString value = fields.value(QLatin1String(key));
        if (!value.isEmpty()) return value;
    }
    return {};
}

bool DeviceIdMatches(const QString& id, const QUrl& uri) {
    const QHash<QString, QString> fields = DeviceIdFields(id);
    const QString maker = uri.host(QUrl::FullyDecoded);
    const QString model = uri.path(QUrl::FullyDecoded).mid(1);
    const QString serial = QUrlQuery(uri).queryItemValue(QStringLiteral("serial"), QUrl::FullyDecoded);
    if (FirstField(fields, {"MFG", "MANUFACTURER"}).compare(maker, Qt::CaseInsensitive) != 0) return false;
    if (FirstField(fields, {"MDL", "MODEL"}).compare(model, Qt::CaseInsensitive) != 0) return false;
    return serial.isEmpty() || FirstField(fields, {"SN", "SERN", "SERIALNUMBER"}) == serial;
}

QString UsbPortName(const QUrl& uri) {
    const QDir nodes(EnvironmentPath("ORVANE_USB_DEVICE_DIR", QStringLiteral("/dev/usb")));
    const QString sysfs = EnvironmentPath("ORVANE_SYSFS_DIR", QStringLiteral("/sys"));
    for (int k = 0; k < 999; ++k) {
        const QString node = QStringLiteral("lp%1").arg(k);
        if (!nodes.exists(node)) continue;
        QFile id(QStringLiteral("%1/class/usbmisc/%2/device/ieee1284_id").arg(sysfs, node));
        if (!id.open(QIODevice::ReadOnly)) continue;
        if (DeviceIdMatches(QString::fromUtf8(id.read(4096)), uri)) {
            return QStringLiteral("USB%1").arg(k + 1, 3, 10, QLatin1Char('0'));
        }
    }
    return {};
}

bool IsNetworkScheme(const QString& scheme) {
    static const QStringList kSchemes = {QStringLiteral("socket"), QStringLiteral("ipp"),
                                         QStringLiteral("ipps"),   QStringLiteral("lpd"),
                                         QStringLiteral("http"),   QStringLiteral("https")};
    return kSchemes.contains(scheme);
}

QList<InstalledPrinter> ReadPrintersFile(const QString& path, bool* ok) {
    QList<InstalledPrinter> printers;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "orvane: cannot read the printers file %s\n", qPrintable(path));
        *ok = false;
        return printers;
    }
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line =
            QString::fromUtf8(file.readLine()).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 3 || fields[0].isEmpty() || fields[1].isEmpty()) {
            std::fprintf(stderr, "orvane: %s:%d: skipped, expected name, driver and port separated by tabs\n",
                         qPrintable(path), number);
            continue;
        }
        printers.append({fields[0], fields[1], fields[2]});
    }
    return printers;
}

QList<InstalledPrinter> ReadCupsDestinations(bool* ok) {
    QList<InstalledPrinter> printers;
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    if (count <= 0) {
        // No server (or no printer): nothing to list.
        *ok = cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
        cupsFreeDests(count, dests);
        return printers;
    }
    for (int i = 0; i < count; ++i) {
        const cups_dest_t& dest = dests[i];
        if (dest.instance != nullptr) continue;  // an instance is the same queue with other options
        const char* model = cupsGetOption("printer-make-and-model", dest.num_options, dest.options);
        const char* uri = cupsGetOption("device-uri", dest.num_options, dest.options);
        printers.append({QString::fromUtf8(dest.name), QString::fromUtf8(model ? model : ""),
                         PortNameFromDeviceUri(QString::fromUtf8(uri ? uri : ""))});
    }
    cupsFreeDests(count, dests);
    return printers;
}

}  // namespace

QString PortNameFromDeviceUri(const QString& text) {
    const QUrl uri(text, QUrl::StrictMode);
    if (!uri.isValid()) return {};
    const QString scheme = uri.scheme().toLower();
    if (scheme == QLatin1String("usb")) return UsbPortName(uri);
    if (!IsNetworkScheme(scheme) || uri.host().isEmpty()) return {};
    const QString host = uri.host(QUrl::FullyEncoded);
    return QStringLiteral("VLNETP_") +
           (host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(host) : host);
}

QList<InstalledPrinter> EnumeratePrinters(bool* ok) {
    bool succeeded = true;
    const QString file = qEnvironmentVariable("ORVANE_PRINTERS");
    QList<InstalledPrinter> printers =
        file.isEmpty() ? ReadCupsDestinations(&succeeded) : ReadPrintersFile(file, &succeeded);
    if (ok != nullptr) *ok = succeeded;
    return printers;
}

}  // namespace orvane
