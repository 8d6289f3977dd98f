// Runs orvane-cli as a separate process and collects what it printed.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace clitest {

// What one run of the program left behind.
struct CliRun {
    int status = -1;  // exit status, -1 when it did not exit normally
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs orvane-cli with `arguments` and the extra environment variables `environment`, `input` as its
// standard input (empty: none), waits for it to end and returns its output.
CliRun RunCli(const std::vector<std::string>& arguments,
              const std::vector<std::pair<std::string, std::string>>& environment = {},
              const std::string& input = {});

}  // namespace clitest
