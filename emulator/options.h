// The command line of orvane-printer-sim: every option it takes and its --help text.
#pragma once

#include <string>
#include <vector>

#include "emulator/printer.h"
#include "emulator/responder.h"

namespace orvane::sim {

// Everything the command line sets.
struct Options {
    std::string usb_directory;  // publish <dir>/lp<usb_index> when set
    int usb_index = 0;
    std::string tcp_address;  // listen here when set
    std::string log_path;
    std::string ready_path;
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
