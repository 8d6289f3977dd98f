#include "cli/cli_commands.h"

#include "cli/device_target.h"
#include "cli/directory_report.h"
#include "cli/directory_source.h"
#include "directorytools/directory_json.h"
#include "remotesetup/remote_setup.h"
#include "resources/version.h"
#include "transport/named_object.h"

#include <string>

namespace orvane::cli {
namespace {

void PrintDirectory(const CRSUFuncRemoteSetup& setup, bool json, std::ostream& out) {
    out << (json ? DirectoryJson(setup.Capability(), *setup.Copy(DirectoryCopy::Working))
                 : PlainReport(setup));
}

int RunRead(const CliOptions& options, std::ostream& out, std::ostream& err) {
    CRSUFuncRemoteSetup setup;
    LoadedFrom from;
    if (!LoadDirectory(options.Devices().front(), options, setup, &from, err)) return kExitFailure;
    if (!options.out.empty()) {
        const RsResult result = setup.SaveDirectoryFile(options.out, *from.product_id);
        if (result != rs::kSuccess) return Fail(err, "saving " + options.out, result);
        if (!options.json) {
            out << "Saved the directory of " << from.label << " to " << options.out << "\n";
            return kExitSuccess;
        }
    }
    PrintDirectory(setup, options.json, out);
    return kExitSuccess;
}

int RunShow(const CliOptions& options, std::ostream& out, std::ostream& err) {
    CRSUFuncRemoteSetup setup;
    LoadedFrom from;
    if (!LoadDirectory(options.sources.front(), options, setup, &from, err)) return kExitFailure;
    if (!options.json && from.product_id) out << "Product ID: " << ProductText(*from.product_id) << "\n";
    PrintDirectory(setup, options.json, out);
    return kExitSuccess;
}

}  // namespace

int RunCommand(const CliOptions& options, std::ostream& out, std::ostream& err) {
    // The port claims live in the object folders: a refused folder is said as such, not as a port error.
    if (!options.Devices().empty()) {
        if (const std::string problem = NamedObject::FolderProblem(); !problem.empty()) {
            err << "orvane-cli: " << problem << "\n";
            return kExitFailure;
        }
    }
    switch (options.command) {
        case Command::Read:
            return RunRead(options, out, err);
        case Command::Write:
        case Command::Restore:
            return RunWrite(options, out, err);
        case Command::Backups:
            return RunBackups(options, out, err);
        case Command::Show:
            return RunShow(options, out, err);
        case Command::Printers:
            return RunPrinters(options, out, err);
        case Command::Export:
            return RunExport(options, out, err);
        case Command::Import:
            return RunImport(options, out, err);
        case Command::Check:
            return RunCheck(options, out, err);
        case Command::Diff:
            return RunDiff(options, out, err);
        case Command::Version:
            out << "orvane-cli " << kVersion << "\n";
            return kExitSuccess;
        case Command::Help:
            break;
    }
    out << UsageText();
    return kExitSuccess;
}

}  // namespace orvane::cli
