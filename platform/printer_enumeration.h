// The installed printers: CUPS destinations, or the printers file named by ORVANE_PRINTERS.
#pragma once

#include <QList>
#include <QString>

namespace orvane {

// One installed printer as the printing system describes it.
struct InstalledPrinter {
    QString name;    // the destination name
    QString driver;  // printer-make-and-model
    QString port;    // derived from device-uri (PortNameFromDeviceUri); empty when unknown
};

// Lists the installed printers in the printing system's order. When ORVANE_PRINTERS names a file,
// that file replaces CUPS: one printer a line, name, driver and port separated by tabs; empty lines
// and lines starting with "#" are skipped, a malformed line is skipped with a warning on stderr.
// `ok` (may be null) is false when the file cannot be read or CUPS cannot be asked; no CUPS server
// running gives an empty list at once.
QList<InstalledPrinter> EnumeratePrinters(bool* ok = nullptr);

// The port name for a CUPS device URI:
// - "usb://..." is the port "USB"nnn of the usblp node lp<nnn-1> in the USB device folder (/dev/usb,
//   ORVANE_USB_DEVICE_DIR overrides) whose IEEE 1284 ID (<sysfs>/class/usbmisc/lp<k>/device/
//   ieee1284_id, <sysfs> = /sys or ORVANE_SYSFS_DIR) names the URI's maker and model and, when the
//   URI has "serial=", that serial number; empty when no node matches;
// - "socket://", "ipp://", "ipps://", "lpd://", "http://", "https://" give "VLNETP_"<host> (the
//   printing protocol's own TCP port is dropped; IPv6 hosts keep their brackets);
// - anything else gives an empty name.
QString PortNameFromDeviceUri(const QString& uri);

}  // namespace orvane
