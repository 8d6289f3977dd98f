#include "sim_printer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTest>

bool UseObjectFolders(const QTemporaryDir& folder) {
    for (const char* variable : {"ORVANE_OBJECT_DIR", "ORVANE_SESSION_DIR"}) {
        const QString path = folder.filePath(variable);
        if (!QDir().mkpath(path)) return false;
        qputenv(variable, path.toUtf8());
    }
    return true;
}

SimPrinter::SimPrinter(const QStringList& extra) {
    const QString dir = folder_.path();
    QStringList arguments = {"--usb",     dir,          "--tcp",        "127.0.0.1:0",
                             "--profile", "typical",    "--state",      dir + "/state",
                             "--log",     dir + "/log", "--ready-file", dir + "/ready"};
    process_.start(ORVANE_PRINTER_SIM, arguments + extra);
    QDeadlineTimer deadline(20000);
    QFile ready(dir + "/ready");
    while (!deadline.hasExpired() && !ready.exists()) QTest::qWait(20);
    if (!ready.open(QIODevice::ReadOnly)) return;
    for (const QByteArray& line : ready.readAll().split('\n')) {
        if (line.startsWith("tcp ")) tcp_ = QString::fromUtf8(line.mid(4)).trimmed();
    }
    ready_ = !tcp_.isEmpty();
}

SimPrinter::~SimPrinter() {
    process_.terminate();
    process_.waitForFinished(5000);
}

int SimPrinter::Count(const QString& operation) const {
    QFile log(folder_.path() + "/log");
    if (!log.open(QIODevice::ReadOnly)) return 0;
    int count = 0;
    for (const QByteArray& line : log.readAll().split('\n')) {
        if (line.startsWith(operation.toUtf8() + ' ')) ++count;
    }
    return count;
}
