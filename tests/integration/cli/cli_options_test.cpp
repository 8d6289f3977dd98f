// The options each orvane-cli command takes: a command line of them gets past the command line and
// fails only on the file or printer it names (nothing exists); any other option is refused.
#include "cli_process.h"
#include "directory_file_fixtures.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace clitest {
namespace {

using orvane::testing_support::TemporaryFolder;
using orvane::testing_support::WriteBytes;

struct OptionRow {
    const char* label;
    std::vector<std::string> arguments;
    int status;
    std::string err;  // standard error
};

void PrintTo(const OptionRow& row, std::ostream* os) {
    *os << row.label;
}

// A command line the program takes; it then fails with `message`.
OptionRow Taken(const char* label, std::vector<std::string> arguments, const std::string& message) {
    return {label, std::move(arguments), 1, "orvane-cli: " + message + "\n"};
}

// A bad command line.
OptionRow Refused(const char* label, std::vector<std::string> arguments, const std::string& message) {
    return {label, std::move(arguments), 2,
            "orvane-cli: " + message + "\nTry 'orvane-cli --help' for more information.\n"};
}

class CliOptionRows : public ::testing::TestWithParam<OptionRow> {};

TEST_P(CliOptionRows, TakeWhatTheCommandListsAndRefuseTheRest) {
    const OptionRow& row = GetParam();
    TemporaryFolder folder;
    WriteBytes(folder / "printers", "");  // no printer is installed
    const CliRun run = RunCli(row.arguments, {{"ORVANE_PRINTERS", (folder / "printers").string()},
                                              {"XDG_DATA_HOME", folder.path().string()}});
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, row.err);
}

const std::string kNoPrinter = "no printer named \"Nobody\" is installed";
const std::string kNoFile = "absent/a.rsd cannot be opened";
const std::string kNoSource = "absent/a.csv cannot be opened";

INSTANTIATE_TEST_SUITE_P(
    Rows, CliOptionRows,
    ::testing::Values(
        Taken("Read", {"read", "--printer", "Nobody", "--out", "x.rsd", "--product-id", "1", "--json"},
              kNoPrinter),
        Taken("Write",
              {"write", "--port", "USB001", "--printer", "Nobody", "--all-of-model", "M", "--product-id", "1",
               "--force", "--no-verify", "absent/a.rsd"},
              kNoFile),
        Taken("WriteDryRun", {"write", "--port", "USB001", "absent/a.rsd", "--product-id", "1", "--dry-run"},
              kNoFile),
        Taken("Restore",
              {"restore", "--port", "USB001", "--printer", "Nobody", "--all-of-model", "M", "--product-id",
               "1", "--force", "--no-verify", "absent/a.rsd"},
              kNoFile),
        Taken("WriteMerge",
              {"write", "--port", "USB001", "absent/a.rsd", "--product-id", "1", "--base", "absent/b.rsd",
               "--prefer", "printer"},
              kNoFile),
        Taken("RestoreMerge",
              {"restore", "--port", "USB001", "absent/a.rsd", "--product-id", "1", "--base", "absent/b.rsd",
               "--prefer", "file"},
              kNoFile),
        Taken("Show", {"show", "absent/a.rsd", "--json"},
              "reading absent/a.rsd: The directory file cannot be opened. (code 14)"),
        Taken("Export",
              {"export", "--printer", "Nobody", "--format", "csv", "--out", "x.csv", "--product-id", "1"},
              kNoPrinter),
        Taken("ImportIntoFile",
              {"import", "absent/a.csv", "--into", "x.rsd", "--out", "y.rsd", "--replace", "--columns",
               "name=Name,number=Fax"},
              kNoSource),
        Taken("ImportIntoPrinter",
              {"import", "absent/a.csv", "--into", "--printer", "Nobody", "--product-id", "1", "--force",
               "--no-verify"},
              kNoSource),
        Taken("Check", {"check", "--printer", "Nobody", "--product-id", "1", "--json"}, kNoPrinter),
        Taken("Diff", {"diff", "--printer", "Nobody", "absent/a.rsd", "--product-id", "1", "--json"},
              kNoPrinter),
        Refused("MisspelledForce", {"write", "--port", "USB001", "a.rsd", "--forc"},
                "write has no option --forc"),
        Refused("UnknownOption", {"read", "--port", "USB001", "--frobnicate"},
                "read has no option --frobnicate"),
        Refused("FlagWithValue", {"write", "--port", "USB001", "a.rsd", "--force=yes"},
                "write has no option --force=yes"),
        Refused("ImportOptionForWrite", {"write", "--port", "USB001", "a.rsd", "--replace"},
                "write has no option --replace"),
        Refused("IntoForWrite", {"write", "a.rsd", "--into", "--port", "USB001"},
                "write has no option --into"),
        Refused("DryRunForRestore", {"restore", "a.rsd", "--port", "USB001", "--dry-run"},
                "restore has no option --dry-run"),
        Refused("FormatForShow", {"show", "a.rsd", "--format", "csv"}, "show has no option --format"),
        Refused("JsonForExport", {"export", "a.rsd", "--format", "json", "--json"},
                "export has no option --json"),
        Refused("PortForBackups", {"backups", "--port", "USB001"}, "backups has no option --port"),
        Refused("PreferWithoutBase", {"write", "--port", "USB001", "a.rsd", "--force", "--prefer", "file"},
                "write --prefer settles the conflicts of a merge: give --base BASE.rsd"),
        Refused("PreferOfNeitherSide", {"write", "--port", "USB001", "a.rsd", "--prefer", "mine"},
                "--prefer takes file or printer, not \"mine\""),
        Refused("BaseFromStandardInput", {"write", "--port", "USB001", "a.rsd", "--base", "-"},
                "--base takes a file, not standard input"),
        Refused("BaseForImport", {"import", "a.csv", "--into", "x.rsd", "--base", "b.rsd"},
                "import has no option --base"),
        Refused("OutWithoutValue", {"export", "a.rsd", "--format", "csv", "--out"}, "--out needs a value"),
        Refused("FormatWithoutValue", {"export", "a.rsd", "--format"}, "--format needs a value"),
        Refused("ColumnsWithoutNumber", {"import", "a.csv", "--into", "b.rsd", "--columns", "name=Name"},
                "--columns takes name=HEADER,number=HEADER, not \"name=Name\""),
        Refused("ColumnsWithEmptyHeader",
                {"import", "a.csv", "--into", "b.rsd", "--columns", "number=,name=N"},
                "--columns needs a header for the name and one for the number, not \"number=,name=N\""),
        Refused("ColumnsForExport", {"export", "a.rsd", "--format", "csv", "--columns", "name=N,number=F"},
                "export has no option --columns"),
        Refused("OptionInsteadOfPort", {"read", "--port", "--json"}, "--port needs a value"),
        Refused("OptionInsteadOfProductId", {"write", "--port", "USB001", "a.rsd", "--product-id", "--force"},
                "--product-id needs a value")),
    [](const auto& info) { return std::string(info.param.label); });

// Option name -> the commands that name it, from the lines of one part of the usage text.
using OptionUse = std::map<std::string, std::set<std::string>>;

// The options each synopsis line of "Usage:" names (its continuation lines included).
OptionUse SynopsisUse(const std::string& usage) {
    OptionUse use;
    const std::regex line(R"(\n  orvane-cli ([a-z]+)((?:[^\n]|\n {4,})*))");
    const std::regex option("--[a-z-]+");
    for (std::sregex_iterator it(usage.begin(), usage.end(), line), end; it != end; ++it) {
        const std::string text = (*it)[2];
        for (std::sregex_iterator name(text.begin(), text.end(), option); name != end; ++name)
            use[name->str()].insert((*it)[1]);
    }
    return use;
}

// The commands each entry of "Options:" lists before its first ":".
OptionUse OptionsUse(const std::string& options) {
    OptionUse use;
    const std::regex entry(R"(\n  (--[a-z-]+)[^:]*?:)");
    const std::regex command(" ([a-z]+)");
    for (std::sregex_iterator it(options.begin(), options.end(), entry), end; it != end; ++it) {
        const std::string text = it->str();
        for (std::sregex_iterator name(text.begin(), text.end(), command); name != end; ++name)
            use[(*it)[1]].insert((*name)[1]);
    }
    return use;
}

TEST(CliHelp, SynopsisNamesTheOptionsThatEachCommandTakes) {
    const CliRun run = RunCli({"--help"});
    const std::size_t commands = run.out.find("\nCommands:");
    const std::size_t options = run.out.find("\nOptions:");
    ASSERT_NE(commands, std::string::npos);
    ASSERT_NE(options, std::string::npos);
    const std::string synopsis = run.out.substr(0, commands);
    const std::string entries = run.out.substr(options, run.out.find("\n\n", options) - options);
    const OptionUse listed = OptionsUse(entries);
    EXPECT_EQ(listed.size(), 15u) << entries;
    EXPECT_EQ(SynopsisUse(synopsis), listed);
}

}  // namespace
}  // namespace clitest
