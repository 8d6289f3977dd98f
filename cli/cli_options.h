// The command line of orvane-cli: one command, the printers and files it works on, and its flags.
#pragma once

#include "directorytools/directory_csv.h"
#include "directorytools/directory_merge.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane::cli {

// What the user asked for.
enum class Command {
    Help,      // print the usage text
    Version,   // print the program's name and version
    Read,      // read the printer's directory; print it or save it
    Write,     // load a directory file into the printer
    Show,      // print a directory file
    Printers,  // list the supported printers
    Export,    // print or save a directory as CSV, vCard or JSON
    Import,    // fit a CSV, vCard or JSON file into a directory file or a printer
    Check,     // report mistakes in a directory
    Diff,      // what differs between two directories
    Backups,   // list the backups made before writes
    Restore,   // write a backup back into a printer
};

// Where a directory comes from or goes to, in the order the command line names them.
struct Source {
    enum class Kind {
        File,     // a directory file (.rsd), another file the command reads, or "-" for standard input
        Port,     // --port PORT: a printer by its port name
        Printer,  // --printer NAME: an installed printer by its name
    };
    Kind kind = Kind::File;
    std::string value;

    bool IsDevice() const { return kind != Kind::File; }
};

// The parsed command line.
struct CliOptions {
    Command command = Command::Help;
    std::vector<Source> sources;              // files, --port and --printer in command-line order
    std::string out;                          // read: where to save the directory, empty to print it
    std::optional<std::uint16_t> product_id;  // the printer's product ID, never 0
    bool json = false;                        // read, show, printers, check, diff: print JSON
    bool force = false;                       // write: accept another product's file or a changed printer
    std::string format;                       // export: "csv", "vcard" or "json"
    bool into = false;                        // import: --into was given
    std::string into_file;                    // import: --into FILE.rsd; empty for --into --port/--printer
    bool replace = false;                     // import: empty what the source does not name
    std::optional<CsvColumns> columns;        // import: the name and number columns of a CSV address book
    bool dry_run = false;                     // write: print what would change, write nothing
    bool no_verify = false;                   // write, import, restore: do not read the printer back
    std::string all_of_model;                 // write, restore: every supported printer of this model
    std::string base;                         // write, restore: the directory FILE was edited from
    std::optional<MergeSide> prefer;          // write, restore: the side every conflict of --base takes

    // The printers named by --port or --printer, and the files, each in command-line order.
    std::vector<Source> Devices() const;
    std::vector<std::string> Files() const;
};

// Parses the arguments after the program name. Returns false with a one-line `*error` for an unknown
// command or option, a missing or surplus value, an option the command does not take, a product ID
// that is not a number from 1 to 0xffff (decimal or 0x hexadecimal), or --prefer without --base.
bool ParseCommandLine(const std::vector<std::string>& arguments, CliOptions* options, std::string* error);

// Reads a product ID: decimal or 0x hexadecimal, 1 to 0xffff.
std::optional<std::uint16_t> ParseProductId(const std::string& text);

// The usage text printed by --help: commands, options, output formats, exit statuses, environment.
std::string UsageText();

}  // namespace orvane::cli
