// The printers the window sees beside a virtual printer: "Office Fax" on its device node (USB001),
// "Net Fax" on its TCP side, both MX100, and an unsupported "Unlisted" printer.
#pragma once

#include <QString>

class SimPrinter;

// Writes the printers file at `path` and points ORVANE_PRINTERS and ORVANE_USB_DEVICE_DIR at the
// file and at `printer`. False when the printer is not up or the file cannot be written.
bool InstallSimPrinters(const SimPrinter& printer, const QString& path);

// Writes a model list "orvkit.dat" into the program folder `program` in which "Velor MX100 series"
// (product ID 0x1234) has the scanner and printer functions beside the fax function, so that its
// tree has the dummy rows. False when the file cannot be written.
bool WriteMultifunctionModelList(const QString& program);
