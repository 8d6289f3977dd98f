// backups: the directories saved before writes, oldest first.
#include "cli/cli_commands.h"
#include "cli/text_table.h"
#include "directorytools/directory_backup.h"

namespace orvane::cli {
namespace {

// "20261209T140501.123Z" as "2026-12-09 14:05:01.123".
std::string ReadableTime(const std::string& time) {
    return time.substr(0, 4) + "-" + time.substr(4, 2) + "-" + time.substr(6, 2) + " " + time.substr(9, 2) +
           ":" + time.substr(11, 2) + ":" + time.substr(13, 6);
}

}  // namespace

int RunBackups(const CliOptions& options, std::ostream& out, std::ostream&) {
    const std::vector<Source> printers = options.Devices();
    const std::filesystem::path folder = BackupFolder();
    const std::vector<BackupFile> backups =
        ListBackups(folder, printers.empty() ? "" : printers.front().value);
    if (backups.empty()) {
        out << "No backups in " << folder.string() << ".\n";
        return kExitSuccess;
    }
    TextTable table({"Printer", "Saved (UTC)", "File"});
    for (const BackupFile& backup : backups) {
        table.AddRow({backup.printer, ReadableTime(backup.time), backup.path.string()});
    }
    out << table.Text();
    return kExitSuccess;
}

}  // namespace orvane::cli
