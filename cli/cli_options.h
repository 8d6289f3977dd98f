// The command line of orvane-cli: one command, its port or file, and its flags.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane::cli {

// What the user asked for.
enum class Command {
    Help,     // print the usage text
    Version,  // print the program's name and version
    Read,     // read the printer's directory; print it or save it
    Write,    // load a directory file into the printer
    Show,     // print a directory file
};

// The parsed command line.
struct CliOptions {
    Command command = Command::Help;
    std::string port;                         // read, write: the printer's port name
    std::string file;                         // write, show: the directory file
    std::string out;                          // read: where to save the directory, empty to print it
    std::optional<std::uint16_t> product_id;  // the printer's product ID, never 0
    bool json = false;                        // read, show: print JSON instead of a table
    bool force = false;                       // write: accept another product's file or a changed printer
};

// Parses the arguments after the program name. Returns false with a one-line `*error` for an unknown
// command or option, a missing or surplus value, an option the command does not take, or a product
// ID that is not a number from 1 to 0xffff (decimal or 0x hexadecimal).
bool ParseCommandLine(const std::vector<std::string>& arguments, CliOptions* options, std::string* error);

// Reads a product ID: decimal or 0x hexadecimal, 1 to 0xffff.
std::optional<std::uint16_t> ParseProductId(const std::string& text);

// The usage text printed by --help: commands, options, output formats, exit statuses, environment.
const char* UsageText();

}  // namespace orvane::cli
