#include "cli/cli_options.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace orvane::cli {
namespace {

// Which options each command takes.
struct CommandShape {
    std::string_view name;
    Command command;
    std::vector<std::string_view> options;
    bool takes_file;
};

const std::vector<CommandShape>& CommandSpecs() {
    static const std::vector<CommandShape> specs = {
        {"read", Command::Read, {"--port", "--out", "--product-id", "--json"}, false},
        {"write", Command::Write, {"--port", "--product-id", "--force"}, true},
        {"show", Command::Show, {"--json"}, true},
    };
    return specs;
}

bool TakesValue(std::string_view option) {
    return option == "--port" || option == "--out" || option == "--product-id";
}

bool StoreOption(std::string_view option, const std::string& value, CliOptions* options, std::string* error) {
    if (option == "--port") {
        options->port = value;
    } else if (option == "--out") {
        options->out = value;
    } else if (option == "--product-id") {
        options->product_id = ParseProductId(value);
        if (!options->product_id) {
            *error = "--product-id takes a number from 1 to 0xffff (decimal or 0x hexadecimal), not \"" +
                     value + "\"";
            return false;
        }
    } else if (option == "--json") {
        options->json = true;
    } else {
        options->force = true;
    }
    return true;
}

// The checks that need the whole command line.
bool CheckComplete(const CommandShape& shape, const CliOptions& options, std::string* error) {
    const std::string name(shape.name);
    if (shape.takes_file && options.file.empty()) {
        *error = name + " needs a directory file";
    } else if (shape.command != Command::Show && options.port.empty()) {
        *error = name + " needs --port PORT";
    } else if (shape.command == Command::Read && !options.out.empty() && !options.product_id) {
        *error = "read --out needs --product-id: a directory file records the printer's product ID";
    } else if (shape.command == Command::Write && !options.product_id && !options.force) {
        *error = "write needs --product-id to check the file's product (or --force to skip that check)";
    }
    return error->empty();
}

bool ParseCommandArguments(const CommandShape& shape, const std::vector<std::string>& arguments,
                           CliOptions* options, std::string* error) {
    const std::string name(shape.name);
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!argument.starts_with("--")) {
            if (!shape.takes_file || !options->file.empty()) {
                *error = name + " does not take \"" + argument + "\"";
                return false;
            }
            options->file = argument;
            continue;
        }
        if (std::find(shape.options.begin(), shape.options.end(), argument) == shape.options.end()) {
            *error = name + " has no option " + argument;
            return false;
        }
        if (TakesValue(argument) && i + 1 >= arguments.size()) {
            *error = argument + " needs a value";
            return false;
        }
        const std::string value = TakesValue(argument) ? arguments[++i] : std::string();
        if (!StoreOption(argument, value, options, error)) return false;
    }
    return CheckComplete(shape, *options, error);
}

}  // namespace

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
    const auto& specs = CommandSpecs();
    const auto shape = std::find_if(specs.begin(), specs.end(), [&](const CommandShape& candidate) {
        return candidate.name == arguments[0];
    });
    if (shape == specs.end()) {
        *error = "unknown command \"" + arguments[0] + "\"";
        return false;
    }
    options->command = shape->command;
    return ParseCommandArguments(*shape, arguments, options, error);
}

}  // namespace orvane::cli
