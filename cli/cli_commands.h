// The three commands of orvane-cli over CRSUFuncRemoteSetup.
#pragma once

#include "cli/cli_options.h"

#include <ostream>

namespace orvane::cli {

// Exit statuses of the program.
inline constexpr int kExitSuccess = 0;  // the command did what was asked
inline constexpr int kExitFailure = 1;  // the printer or a file operation failed
inline constexpr int kExitUsage = 2;    // the command line was wrong

// Runs the command of `options`: results (or the usage text, or the version) go to `out`, failures
// as one sentence each to `err`. Returns kExitSuccess or kExitFailure.
int RunCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace orvane::cli
