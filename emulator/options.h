#pragma once

#include <string>
#include <vector>

#include "emulator/printer.h"
#include "emulator/responder.h"

namespace orvane::sim {

// Everything the command line sets.
struct Options {
    std::string usbDirectory;  // publish <dir>/lp<usbIndex> when set
    int usbIndex = 0;
    std::string tcpAddress;  // listen here when set
    std::string logPath;
    std::string readyPath;
    std::string profile = "typical";
    PrinterSettings printer;
    Faults faults;
    bool help = false;
};

// The text of --help.
std::string UsageText();

// Reads the command line; empty on success, else the reason. The capability of the profile with its
// overrides ends up in `options.printer.capability`.
std::string ParseOptions(const std::vector<std::string>& arguments, Options& options);

}  // namespace orvane::sim
