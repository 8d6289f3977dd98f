// The commands of orvane-cli and the options each one takes: one table that the parser and the usage
// text share, so that an option means the same everywhere and a command takes only what it lists.
#pragma once

#include "cli/cli_options.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::cli {

// A command and how many files (arguments that are not options) it takes at most.
struct CommandSpec {
    std::string_view name;
    Command command;
    std::size_t max_files;
};

// Whether an option takes the argument after it as its value.
enum class OptionValue {
    None,      // a flag
    Required,  // always: the option is refused without one
    Optional,  // unless that argument is itself an option
};

// One option: its name, its value, the commands that take it and what it sets.
struct OptionSpec {
    std::string_view name;          // "--port"
    OptionValue value;              // whether it takes a value
    std::string_view value_name;    // the value in the usage text ("PORT"); empty for a flag
    std::vector<Command> commands;  // the commands that take it
    // Sets what the option stands for in `options` from `value` (empty for a flag or an absent optional
    // value). Returns false with a one-line `*error` for a value it refuses.
    bool (*store)(const std::string& value, CliOptions* options, std::string* error);
    std::string_view help;  // what it does, for the usage text

    // Whether `command` takes this option.
    bool TakenBy(Command command) const;
};

// Every command but --help and --version, in the order of the usage text.
const std::vector<CommandSpec>& CommandTable();

// Every option, in the order of the usage text.
const std::vector<OptionSpec>& OptionTable();

// The option `name` as `command` takes it; nullptr when the command has no such option.
const OptionSpec* FindOption(std::string_view name, Command command);

}  // namespace orvane::cli
