#include "cli/cli_options.h"

#include "cli/option_table.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace orvane::cli {
namespace {

bool IsOption(const std::string& argument) {
    return argument.starts_with("--");
}

// The value of the option at `arguments[*i]`, moving `*i` onto it: empty for a flag or an absent
// optional value; nullopt when a required one is missing, so the next option is never taken as one.
std::optional<std::string> TakeValue(const OptionSpec& option, const std::vector<std::string>& arguments,
                                     std::size_t* i) {
    const bool present = *i + 1 < arguments.size() && !IsOption(arguments[*i + 1]);
    if (option.value == OptionValue::None || (option.value == OptionValue::Optional && !present))
        return std::string();
    if (!present) return std::nullopt;
    return arguments[++*i];
}

bool HasPrinterOption(const CliOptions& options) {
    const std::vector<Source> devices = options.Devices();
    return std::any_of(devices.begin(), devices.end(),
                       [](const Source& device) { return device.kind == Source::Kind::Printer; });
}

// The checks that need the whole command line; `*error` stays empty when it is complete.
void CheckComplete(const CommandSpec& shape, const CliOptions& options, std::string* error) {
    const std::string name(shape.name);
    const std::size_t devices = options.Devices().size();
    const std::size_t files = options.Files().size();
    // The model list gives the product ID of a printer named by --printer or --all-of-model.
    const bool product_known =
        options.product_id || HasPrinterOption(options) || !options.all_of_model.empty();
    const std::string one_printer = name + " works on one printer: give one --port PORT or --printer NAME";
    switch (shape.command) {
        case Command::Read:
        case Command::Write:
        case Command::Restore:
            if (files < shape.max_files) {
                *error = name + " needs a directory file";
            } else if (devices == 0 && options.all_of_model.empty()) {
                *error = name + " needs --port PORT or --printer NAME";
            } else if (shape.command == Command::Read && devices > 1) {
                *error = one_printer;
            } else if (options.dry_run && (devices > 1 || !options.all_of_model.empty())) {
                *error = "write --dry-run works on one printer";
            } else if (shape.command == Command::Read && !options.out.empty() && !product_known) {
                *error = "read --out needs --product-id: a directory file records the printer's product ID";
            } else if (options.prefer && options.base.empty()) {
                *error = name + " --prefer settles the conflicts of a merge: give --base BASE.rsd";
            } else if (shape.command != Command::Read && !product_known && !options.force) {
                *error =
                    name + " needs --product-id to check the file's product (or --force to skip that check)";
            }
            break;
        case Command::Show:
            if (files == 0) *error = "show needs a directory file";
            break;
        case Command::Export:
            if (options.format.empty()) {
                *error = "export needs --format csv, vcard or json";
            } else if (files + devices != 1) {
                *error = "export needs one directory: FILE.rsd, --port PORT or --printer NAME";
            }
            break;
        case Command::Import:
            if (files == 0) {
                *error = "import needs a source file (.csv, .vcf or .json)";
            } else if (!options.into || options.into_file.empty() == (devices == 0)) {
                *error =
                    "import needs one target: --into FILE.rsd, or --into with --port PORT or --printer NAME";
            } else if (devices > 1) {
                *error = one_printer;
            } else if (devices == 1 && !options.out.empty() && !product_known) {
                *error = "import --out needs --product-id: a directory file records the printer's product ID";
            } else if (devices == 1 && options.out.empty() && !product_known && !options.force) {
                *error = "import into a printer needs --product-id (or --force)";
            }
            break;
        case Command::Check:
            if (files + devices != 1)
                *error = "check needs one directory: FILE.rsd, --port PORT or --printer NAME";
            break;
        case Command::Diff:
            if (files + devices != 2)
                *error = "diff needs two directories, each FILE.rsd, --port PORT or --printer NAME";
            break;
        case Command::Backups:
            if (options.Devices().size() > 1) *error = "backups takes at most one --printer NAME";
            break;
        case Command::Printers:
        case Command::Help:
        case Command::Version:
            break;
    }
}

bool ParseCommandArguments(const CommandSpec& shape, const std::vector<std::string>& arguments,
                           CliOptions* options, std::string* error) {
    const std::string name(shape.name);
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!IsOption(argument)) {
            if (options->Files().size() >= shape.max_files) {
                *error = name + " does not take \"" + argument + "\"";
                return false;
            }
            options->sources.push_back({Source::Kind::File, argument});
            continue;
        }
        const OptionSpec* option = FindOption(argument, shape.command);
        if (option == nullptr) {
            *error = name + " has no option " + argument;
            return false;
        }
        const std::optional<std::string> value = TakeValue(*option, arguments, &i);
        if (!value) {
            *error = argument + " needs a value";
            return false;
        }
        if (!option->store(*value, options, error)) return false;
    }
    CheckComplete(shape, *options, error);
    return error->empty();
}

}  // namespace

std::vector<Source> CliOptions::Devices() const {
    std::vector<Source> devices;
    std::copy_if(sources.begin(), sources.end(), std::back_inserter(devices),
                 [](const Source& source) { return source.IsDevice(); });
    return devices;
}

std::vector<std::string> CliOptions::Files() const {
    std::vector<std::string> files;
    for (const Source& source : sources) {
        if (!source.IsDevice()) files.push_back(source.value);
    }
    return files;
}

std::optional<std::uint16_t> ParseProductId(const std::string& text) {
    std::string_view digits = text;
    int base = 10;
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        base = 16;
    }
    unsigned value = 0;
    const auto [end, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || failure != std::errc() || end != digits.data() + digits.size() || value == 0 ||
        value > 0xffff) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

bool ParseCommandLine(const std::vector<std::string>& arguments, CliOptions* options, std::string* error) {
    *options = CliOptions{};
    error->clear();
    if (arguments.empty()) {
        *error = "no command given";
        return false;
    }
    const bool help = arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help";
    if (help || arguments[0] == "--version") {
        options->command = help ? Command::Help : Command::Version;
        if (arguments.size() == 1) return true;
        *error = (help ? std::string("--help") : arguments[0]) + " takes nothing after it";
        return false;
    }
    const auto& commands = CommandTable();
    const auto shape = std::find_if(commands.begin(), commands.end(), [&](const CommandSpec& candidate) {
        return candidate.name == arguments[0];
    });
    if (shape == commands.end()) {
        *error = "unknown command \"" + arguments[0] + "\"";
        return false;
    }
    options->command = shape->command;
    return ParseCommandArguments(*shape, arguments, options, error);
}

}  // namespace orvane::cli
