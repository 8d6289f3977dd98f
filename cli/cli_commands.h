// The commands of orvane-cli over CRSUFuncRemoteSetup.
#pragma once

#include "cli/cli_options.h"
#include "cli/cli_support.h"
#include "cli/device_target.h"
#include "directorytools/directory_diff.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::cli {

// Runs the command of `options`: results (or the usage text, or the version) go to `out`, failures
// as one sentence each to `err`. Returns one of the exit statuses of cli_support.h.
int RunCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

// printers: the supported printers as a table or JSON (cli_printers.cpp).
int RunPrinters(const CliOptions& options, std::ostream& out, std::ostream& err);

// export and import (cli_transfer.cpp).
int RunExport(const CliOptions& options, std::ostream& out, std::ostream& err);
int RunImport(const CliOptions& options, std::ostream& out, std::ostream& err);

// check (cli_check.cpp).
int RunCheck(const CliOptions& options, std::ostream& out, std::ostream& err);

// write and restore (cli_write.cpp).
int RunWrite(const CliOptions& options, std::ostream& out, std::ostream& err);

// write and restore for one printer: reads it, loads `file` (whose bytes are `text`) and writes it
// back, or with --dry-run prints what would change (cli_write.cpp).
int WriteToTarget(const CliOptions& options, const DeviceTarget& target, const std::string& file,
                  std::string_view text, std::ostream& out, std::ostream& err);

// write and restore for several printers at once, each in its own job (cli_many.cpp).
int WriteMany(const CliOptions& options, std::string_view text, std::ostream& out, std::ostream& err);

// backups (cli_backups.cpp).
int RunBackups(const CliOptions& options, std::ostream& out, std::ostream& err);

// diff (cli_diff.cpp), and the change list it prints, which write --dry-run shares.
int RunDiff(const CliOptions& options, std::ostream& out, std::ostream& err);
void PrintChanges(const std::string& first, const std::string& second,
                  const std::vector<DirectoryChange>& changes, bool json, std::ostream& out);

}  // namespace orvane::cli
