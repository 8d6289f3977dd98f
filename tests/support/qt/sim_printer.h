// The virtual printer for window tests: one orvane-printer-sim over a device node and TCP, with
// its state and operation log in a temporary folder.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "printer_process.h"

// Moves the machine-wide and the session's named objects (port claims, instance and notice locks)
// into folders below `folder`, away from those of a program the user runs. False when a folder
// cannot be made.
bool UseObjectFolders(const QTemporaryDir& folder);

class SimPrinter {
  public:
    // Starts the printer with `extra` options; IsReady() tells whether it came up.
    explicit SimPrinter(const QStringList& extra = {});

    bool IsReady() const { return !tcp_.isEmpty(); }
    // The folder that holds the device node lp0 (port USB001).
    QString UsbFolder() const { return QString::fromStdString(process_.dir()); }
    // The network port name of the TCP side ("VLNETP_127.0.0.1:<port>").
    QString NetworkPort() const { return QStringLiteral("VLNETP_") + tcp_; }
    // The printer's state file: its directory as text, rewritten after every write.
    QString StateFile() const { return UsbFolder() + QStringLiteral("/state"); }
    // How many requests named `operation` the printer received.
    int Count(const QString& operation) const { return process_.Count(operation.toStdString()); }

  private:
    orvane::testsupport::PrinterProcess process_;
    QString tcp_;
};
