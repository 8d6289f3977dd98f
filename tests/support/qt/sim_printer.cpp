#include "sim_printer.h"

#include <string>
#include <vector>

#include "isolated_folders.h"

namespace {

std::vector<std::string> Arguments(const QStringList& extra) {
    std::vector<std::string> arguments = {"--usb",     "@DIR@",   "--tcp",   "127.0.0.1:0",
                                          "--profile", "typical", "--state", "@DIR@/state"};
    for (const QString& option : extra) arguments.push_back(option.toStdString());
    return arguments;
}

}  // namespace

bool UseObjectFolders(const QTemporaryDir& folder) {
    return orvane::testsupport::MakeObjectFolders(folder.filePath("ORVANE_OBJECT_DIR").toStdString(),
                                                  folder.filePath("ORVANE_SESSION_DIR").toStdString());
}

SimPrinter::SimPrinter(const QStringList& extra)
    : process_(Arguments(extra)), tcp_(QString::fromStdString(process_.Ready("tcp"))) {}
