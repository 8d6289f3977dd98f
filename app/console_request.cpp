#include "app/console_request.h"

#include <cstdio>
#include <cstring>

#include "resources/version.h"

namespace orvane {
namespace {

constexpr char kUsageText[] = R"(Usage:
  orvane [/TALV]
  orvane /DS "/PrinterName,PRINTER,"
  orvane --help
  orvane --version

Reads, edits and writes the fax directory of an inkjet multifunction printer in a window.

Options (only the first flag counts; flags may start with / or -):
  /TALV                   started from the maker's launcher menu
  /DS /PrinterName,NAME,  started for the printer NAME, which is chosen in the printer list;
                          the name may hold spaces and ends at the next comma
  --help                  print this text and exit
  --version               print the program's name and version and exit

The environment variables, files and exit statuses are described in orvane(1).
)";

int Print(const char* text) {
    const bool printed = std::fputs(text, stdout) >= 0;
    return std::fflush(stdout) == 0 && printed ? 0 : 1;
}

}  // namespace

std::optional<int> AnswerConsoleRequest(int argc, char** argv) {
    if (argc < 2) return std::nullopt;
    if (std::strcmp(argv[1], "--help") == 0) return Print(kUsageText);
    if (std::strcmp(argv[1], "--version") == 0) {
        char line[64];
        std::snprintf(line, sizeof line, "orvane %s\n", kVersion);
        return Print(line);
    }
    return std::nullopt;
}

}  // namespace orvane
