#include "cli/option_table.h"

#include <algorithm>

namespace orvane::cli {
namespace {

template <bool CliOptions::*flag>
bool SetFlag(const std::string&, CliOptions* options, std::string*) {
    options->*flag = true;
    return true;
}

template <std::string CliOptions::*text>
bool SetText(const std::string& value, CliOptions* options, std::string*) {
    options->*text = value;
    return true;
}

// --port and --printer keep their place among the files: diff compares them in command-line order.
template <Source::Kind kind>
bool AddDevice(const std::string& value, CliOptions* options, std::string*) {
    options->sources.push_back({kind, value});
    return true;
}

bool SetProductId(const std::string& value, CliOptions* options, std::string* error) {
    options->product_id = ParseProductId(value);
    if (!options->product_id)
        *error =
            "--product-id takes a number from 1 to 0xffff (decimal or 0x hexadecimal), not \"" + value + "\"";
    return options->product_id.has_value();
}

bool SetFormat(const std::string& value, CliOptions* options, std::string* error) {
    if (value != "csv" && value != "vcard" && value != "json") {
        *error = "--format takes csv, vcard or json, not \"" + value + "\"";
        return false;
    }
    options->format = value;
    return true;
}

// --into FILE.rsd, or --into alone for the printer of --port or --printer.
bool SetInto(const std::string& value, CliOptions* options, std::string*) {
    options->into = true;
    options->into_file = value;
    return true;
}

// --base BASE: a file; standard input may already carry FILE.
bool SetBase(const std::string& value, CliOptions* options, std::string* error) {
    if (value == "-") {
        *error = "--base takes a file, not standard input";
        return false;
    }
    options->base = value;
    return true;
}

bool SetPrefer(const std::string& value, CliOptions* options, std::string* error) {
    if (value != "file" && value != "printer") {
        *error = "--prefer takes file or printer, not \"" + value + "\"";
        return false;
    }
    options->prefer = value == "file" ? MergeSide::Here : MergeSide::Printer;
    return true;
}

// --columns name=HEADER,number=HEADER (either order): the columns of a CSV address book.
bool SetColumns(const std::string& value, CliOptions* options, std::string* error) {
    constexpr std::string_view kName = "name=";
    constexpr std::string_view kNumber = "number=";
    const bool name_first = value.starts_with(kName);
    const std::string_view first_key = name_first ? kName : kNumber;
    const std::string second_key = "," + std::string(name_first ? kNumber : kName);
    const std::size_t split = value.find(second_key);
    if (!value.starts_with(first_key) || split == std::string::npos) {
        *error = "--columns takes name=HEADER,number=HEADER, not \"" + value + "\"";
        return false;
    }
    std::string first = value.substr(first_key.size(), split - first_key.size());
    std::string second = value.substr(split + second_key.size());
    if (first.empty() || second.empty()) {
        *error = "--columns needs a header for the name and one for the number, not \"" + value + "\"";
        return false;
    }
    options->columns = name_first ? CsvColumns{std::move(first), std::move(second)}
                                  : CsvColumns{std::move(second), std::move(first)};
    return true;
}

}  // namespace

const std::vector<CommandSpec>& CommandTable() {
    static const std::vector<CommandSpec> commands = {
        {"read", Command::Read, 0},         {"write", Command::Write, 1},   {"show", Command::Show, 1},
        {"printers", Command::Printers, 0}, {"export", Command::Export, 1}, {"import", Command::Import, 1},
        {"check", Command::Check, 1},       {"diff", Command::Diff, 2},     {"backups", Command::Backups, 0},
        {"restore", Command::Restore, 1},
    };
    return commands;
}

const std::vector<OptionSpec>& OptionTable() {
    using enum Command;
    static const std::vector<OptionSpec> options = {
        {"--port",
         OptionValue::Required,
         "PORT",
         {Read, Write, Export, Import, Check, Diff, Restore},
         AddDevice<Source::Kind::Port>,
         "the printer's port, USB001, USB002, ... (the device node lp0, lp1, ... in /dev/usb, or in "
         "ORVANE_USB_DEVICE_DIR when set) or VLNETP_<host>[:<port>] for a network printer. write and "
         "restore take several."},
        {"--printer",
         OptionValue::Required,
         "NAME",
         {Read, Write, Export, Import, Check, Diff, Backups, Restore},
         AddDevice<Source::Kind::Printer>,
         "an installed printer by its exact name (see printers): its port and, from the model list, its "
         "product ID. write and restore take several; backups lists only that printer's."},
        {"--all-of-model",
         OptionValue::Required,
         "MODEL",
         {Write, Restore},
         SetText<&CliOptions::all_of_model>,
         "every supported printer whose model is exactly MODEL."},
        {"--product-id",
         OptionValue::Required,
         "ID",
         {Read, Write, Export, Import, Check, Diff, Restore},
         SetProductId,
         "the printer's product ID, decimal or 0x hexadecimal, 1 to 0xffff; with --printer it replaces "
         "the model list's ID."},
        {"--out",
         OptionValue::Required,
         "FILE",
         {Read, Export, Import},
         SetText<&CliOptions::out>,
         "save the directory to this .rsd file (export: the text file). An existing file is replaced "
         "only when the new one is completely written."},
        {"--format", OptionValue::Required, "F", {Export}, SetFormat, "csv, vcard or json."},
        {"--into",
         OptionValue::Optional,
         "TARGET",
         {Import},
         SetInto,
         "the directory file, or (with no value) the printer of --port or --printer."},
        {"--replace",
         OptionValue::None,
         "",
         {Import},
         SetFlag<&CliOptions::replace>,
         "empty every part of the target the source does not name."},
        {"--columns",
         OptionValue::Required,
         "COLUMNS",
         {Import},
         SetColumns,
         "name=HEADER,number=HEADER: the columns of a CSV address book that hold each contact's name "
         "and fax number, by their headers; without it they are recognised from the headers of "
         "Outlook, Google Contacts and Thunderbird exports."},
        {"--json",
         OptionValue::None,
         "",
         {Read, Show, Printers, Check, Diff},
         SetFlag<&CliOptions::json>,
         "print JSON instead of a table."},
        {"--force",
         OptionValue::None,
         "",
         {Write, Import, Restore},
         SetFlag<&CliOptions::force>,
         "accept another product's file and a printer changed since the read."},
        {"--dry-run",
         OptionValue::None,
         "",
         {Write},
         SetFlag<&CliOptions::dry_run>,
         "print the changes the write to one printer would make, send nothing."},
        {"--base",
         OptionValue::Required,
         "BASE.rsd",
         {Write, Restore},
         SetBase,
         "the directory FILE was edited from (a directory file or JSON document): what changed on the "
         "printer since then is merged with what changed in FILE instead of being written over. When "
         "both changed a slot differently, nothing is written and each such slot is listed (exit status "
         "5) unless --prefer settles them."},
        {"--prefer",
         OptionValue::Required,
         "SIDE",
         {Write, Restore},
         SetPrefer,
         "file or printer: the side whose contents every slot changed differently on both sides takes "
         "in a merge with --base."},
        {"--no-verify",
         OptionValue::None,
         "",
         {Write, Import, Restore},
         SetFlag<&CliOptions::no_verify>,
         "do not read the printer back after the write."},
    };
    return options;
}

bool OptionSpec::TakenBy(Command command) const {
    return std::find(commands.begin(), commands.end(), command) != commands.end();
}

const OptionSpec* FindOption(std::string_view name, Command command) {
    const auto& options = OptionTable();
    const auto option = std::find_if(options.begin(), options.end(), [&](const OptionSpec& candidate) {
        return candidate.name == name && candidate.TakenBy(command);
    });
    return option == options.end() ? nullptr : &*option;
}

}  // namespace orvane::cli
