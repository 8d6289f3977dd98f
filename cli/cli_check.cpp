// check: mistakes in a directory before it reaches the printer.
#include "cli/cli_commands.h"
#include "cli/directory_source.h"
#include "cli/text_table.h"
#include "directorytools/directory_check.h"
#include "directorytools/json_text.h"

namespace orvane::cli {
namespace {

std::string JsonProblems(const std::string& label, const std::vector<DirectoryProblem>& problems) {
    std::vector<std::string> rows;
    for (const DirectoryProblem& problem : problems) {
        rows.push_back("    {\"kind\": " + JsonString(problem.kind) + ", \"slot\": " +
                       JsonString(problem.slot) + ", \"text\": " + JsonString(problem.text) + "}");
    }
    return "{\n  \"source\": " + JsonString(label) + ",\n  \"problems\": [" + (rows.empty() ? "" : "\n") +
           Joined(rows, ",\n") + (rows.empty() ? "" : "\n  ") + "]\n}\n";
}

}  // namespace

int RunCheck(const CliOptions& options, std::ostream& out, std::ostream& err) {
    CRSUFuncRemoteSetup setup;
    LoadedFrom from;
    if (!LoadDirectory(options.sources.front(), options, setup, &from, err)) return kExitFailure;
    const std::vector<DirectoryProblem> problems = CheckDirectory(
        setup.Capability(), from.raw ? *from.raw : ToPortable(*setup.Copy(DirectoryCopy::Working)));
    if (options.json) {
        out << JsonProblems(from.label, problems);
    } else if (problems.empty()) {
        out << "No problems in " << from.label << ".\n";
    } else {
        out << problems.size() << (problems.size() == 1 ? " problem" : " problems") << " in " << from.label
            << ":\n";
        for (const DirectoryProblem& problem : problems) out << "  " << problem.text << "\n";
    }
    return problems.empty() ? kExitSuccess : kExitProblems;
}

}  // namespace orvane::cli
