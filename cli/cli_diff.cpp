// diff: what differs between two directories; also what a write would change (write --dry-run).
#include "cli/cli_commands.h"
#include "cli/directory_source.h"
#include "cli/text_table.h"
#include "directorytools/json_text.h"

namespace orvane::cli {
namespace {

std::string JsonChanges(const std::string& first, const std::string& second,
                        const std::vector<DirectoryChange>& changes) {
    std::vector<std::string> rows;
    for (const DirectoryChange& change : changes) {
        rows.push_back("    {\"slot\": " + JsonString(change.slot) + ", \"change\": " +
                       JsonString(change.change) + ", \"text\": " + JsonString(change.text) + "}");
    }
    return "{\n  \"first\": " + JsonString(first) + ",\n  \"second\": " + JsonString(second) +
           ",\n  \"changes\": [" + (rows.empty() ? "" : "\n") + Joined(rows, ",\n") +
           (rows.empty() ? "" : "\n  ") + "]\n}\n";
}

}  // namespace

void PrintChanges(const std::string& first, const std::string& second,
                  const std::vector<DirectoryChange>& changes, bool json, std::ostream& out) {
    if (json) {
        out << JsonChanges(first, second, changes);
        return;
    }
    TextTable table({"Slot", "Change", "What"});
    for (const DirectoryChange& change : changes) table.AddRow({change.slot, change.change, change.text});
    out << table.Text("  ");
}

int RunDiff(const CliOptions& options, std::ostream& out, std::ostream& err) {
    CRSUFuncRemoteSetup first;
    CRSUFuncRemoteSetup second;
    LoadedFrom first_from;
    LoadedFrom second_from;
    if (!LoadDirectory(options.sources[0], options, first, &first_from, err) ||
        !LoadDirectory(options.sources[1], options, second, &second_from, err)) {
        return kExitFailure;
    }
    const std::vector<DirectoryChange> changes = DiffDirectories(
        ToPortable(*first.Copy(DirectoryCopy::Working)), ToPortable(*second.Copy(DirectoryCopy::Working)));
    if (!options.json && changes.empty()) {
        out << first_from.label << " and " << second_from.label << " hold the same directory.\n";
    } else {
        if (!options.json) out << "From " << first_from.label << " to " << second_from.label << ":\n";
        PrintChanges(first_from.label, second_from.label, changes, options.json, out);
    }
    return changes.empty() ? kExitSuccess : kExitDifferent;
}

}  // namespace orvane::cli
