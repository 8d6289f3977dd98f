// The commands of orvane-cli over CRSUFuncRemoteSetup.
#pragma once

#include "cli/cli_options.h"
#include "cli/cli_support.h"

#include <ostream>

namespace orvane::cli {

// Runs the command of `options` (not Help): results go to `out`, failures as one sentence each to
// `err`. Returns one of the exit statuses of cli_support.h.
int RunCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

// printers: the supported printers as a table or JSON (cli_printers.cpp).
int RunPrinters(const CliOptions& options, std::ostream& out, std::ostream& err);

// export and import (cli_transfer.cpp).
int RunExport(const CliOptions& options, std::ostream& out, std::ostream& err);
int RunImport(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace orvane::cli
