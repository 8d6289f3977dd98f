#include "sim_printer.h"

#include <sys/stat.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTest>
#include <cerrno>
#include <utility>

bool UseObjectFolders(const QTemporaryDir& folder) {
    // Made as the program makes them: the machine-wide folder sticky and open to every user, the
    // session's private to its user; anything else the program refuses.
    const std::pair<const char*, mode_t> folders[] = {{"ORVANE_OBJECT_DIR", 01777},
                                                      {"ORVANE_SESSION_DIR", 0700}};
    for (const auto& [variable, mode] : folders) {
        const QByteArray path = folder.filePath(variable).toUtf8();
        if (::mkdir(path.constData(), mode) != 0 && errno != EEXIST) return false;
        if (::chmod(path.constData(), mode) != 0) return false;
        qputenv(variable, path);
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
