#include "cli_process.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace clitest {
namespace {

TEST(CliHelp, PrintsUsageFormatsAndExitStatuses) {
    for (const char* flag : {"--help", "-h", "help"}) {
        const CliRun run = RunCli({flag});
        EXPECT_EQ(run.status, 0) << flag;
        EXPECT_TRUE(run.out.starts_with("Usage:\n")) << flag;
        for (const char* text :
             {"orvane-cli read --port PORT", "orvane-cli write --port PORT FILE", "orvane-cli show FILE.rsd",
              "orvane-cli printers", "orvane-cli export", "orvane-cli import", "orvane-cli check",
              "orvane-cli diff A B", "orvane-cli backups", "orvane-cli restore", "\"slots\"", "\"rejected\"",
              "Exit status", "ORVANE_USB_DEVICE_DIR", "ORVANE_PRINTERS", "XDG_DATA_HOME", "VLNETP_"}) {
            EXPECT_NE(run.out.find(text), std::string::npos) << text;
        }
        EXPECT_EQ(run.err, "");
    }
}

TEST(CliVersion, PrintsTheProgramNameAndADottedVersion) {
    const CliRun run = RunCli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(std::regex_match(run.out, std::regex("orvane-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << run.out;
    EXPECT_EQ(run.err, "");
}

struct BadArgumentsRow {
    const char* label;
    std::vector<std::string> arguments;
    std::string message;  // the complaint on standard error
};

void PrintTo(const BadArgumentsRow& row, std::ostream* os) {
    *os << row.label;
}

class CliBadArguments : public ::testing::TestWithParam<BadArgumentsRow> {};

TEST_P(CliBadArguments, ExitWithTwoAndSayWhy) {
    const BadArgumentsRow& row = GetParam();
    const CliRun run = RunCli(row.arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "orvane-cli: " + row.message + "\nTry 'orvane-cli --help' for more information.\n");
}

const std::string kProductComplaint =
    "--product-id takes a number from 1 to 0xffff (decimal or 0x hexadecimal), not ";

INSTANTIATE_TEST_SUITE_P(
    Rows, CliBadArguments,
    ::testing::Values(
        BadArgumentsRow{"NoCommand", {}, "no command given"},
        BadArgumentsRow{"UnknownCommand", {"copy"}, "unknown command \"copy\""},
        BadArgumentsRow{"HelpWithMore", {"--help", "read"}, "--help takes nothing after it"},
        BadArgumentsRow{"VersionWithMore", {"--version", "show"}, "--version takes nothing after it"},
        BadArgumentsRow{"VersionAfterCommand", {"show", "--version"}, "show has no option --version"},
        BadArgumentsRow{"ReadWithoutPort", {"read"}, "read needs --port PORT or --printer NAME"},
        BadArgumentsRow{"ReadTwoPrinters",
                        {"read", "--port", "USB001", "--printer", "Office Fax"},
                        "read works on one printer: give one --port PORT or --printer NAME"},
        BadArgumentsRow{"PrinterWithoutValue", {"write", "a.rsd", "--printer"}, "--printer needs a value"},
        BadArgumentsRow{"PrintersTakeNoFile", {"printers", "a.rsd"}, "printers does not take \"a.rsd\""},
        BadArgumentsRow{"PortWithoutValue", {"read", "--port"}, "--port needs a value"},
        BadArgumentsRow{"SaveWithoutProduct",
                        {"read", "--port", "USB001", "--out", "a.rsd"},
                        "read --out needs --product-id: a directory file records the printer's product ID"},
        BadArgumentsRow{
            "ProductZero", {"read", "--port", "USB001", "--product-id", "0"}, kProductComplaint + "\"0\""},
        BadArgumentsRow{"ProductTooBig",
                        {"read", "--port", "USB001", "--product-id", "0x10000"},
                        kProductComplaint + "\"0x10000\""},
        BadArgumentsRow{"ProductNotANumber",
                        {"read", "--port", "USB001", "--product-id", "12ab"},
                        kProductComplaint + "\"12ab\""},
        BadArgumentsRow{"ProductNegative",
                        {"read", "--port", "USB001", "--product-id", "-1"},
                        kProductComplaint + "\"-1\""},
        BadArgumentsRow{
            "ReadTakesNoFile", {"read", "--port", "USB001", "a.rsd"}, "read does not take \"a.rsd\""},
        BadArgumentsRow{
            "ReadHasNoForce", {"read", "--port", "USB001", "--force"}, "read has no option --force"},
        BadArgumentsRow{"ShowWithoutFile", {"show", "--json"}, "show needs a directory file"},
        BadArgumentsRow{"ShowTwoFiles", {"show", "a.rsd", "b.rsd"}, "show does not take \"b.rsd\""},
        BadArgumentsRow{"ShowHasNoPort", {"show", "a.rsd", "--port", "USB001"}, "show has no option --port"},
        BadArgumentsRow{
            "WriteWithoutFile", {"write", "--port", "USB001", "--force"}, "write needs a directory file"},
        BadArgumentsRow{
            "WriteWithoutPort", {"write", "a.rsd", "--force"}, "write needs --port PORT or --printer NAME"},
        BadArgumentsRow{
            "WriteWithoutProduct",
            {"write", "--port", "USB001", "a.rsd"},
            "write needs --product-id to check the file's product (or --force to skip that check)"},
        BadArgumentsRow{
            "ExportWithoutFormat", {"export", "a.rsd"}, "export needs --format csv, vcard or json"},
        BadArgumentsRow{"ExportBadFormat",
                        {"export", "a.rsd", "--format", "xls"},
                        "--format takes csv, vcard or json, not \"xls\""},
        BadArgumentsRow{"ExportTwoSources",
                        {"export", "a.rsd", "--port", "USB001", "--format", "csv"},
                        "export needs one directory: FILE.rsd, --port PORT or --printer NAME"},
        BadArgumentsRow{
            "ImportWithoutTarget",
            {"import", "a.csv"},
            "import needs one target: --into FILE.rsd, or --into with --port PORT or --printer NAME"},
        BadArgumentsRow{
            "ImportTwoTargets",
            {"import", "a.csv", "--into", "b.rsd", "--port", "USB001"},
            "import needs one target: --into FILE.rsd, or --into with --port PORT or --printer NAME"},
        BadArgumentsRow{"ImportIntoPortWithoutProduct",
                        {"import", "a.csv", "--into", "--port", "USB001"},
                        "import into a printer needs --product-id (or --force)"},
        BadArgumentsRow{
            "CheckNothing", {"check"}, "check needs one directory: FILE.rsd, --port PORT or --printer NAME"},
        BadArgumentsRow{"DiffOne",
                        {"diff", "a.rsd"},
                        "diff needs two directories, each FILE.rsd, --port PORT or --printer NAME"},
        BadArgumentsRow{"RestoreWithoutBackup",
                        {"restore", "--port", "USB001", "--force"},
                        "restore needs a directory file"},
        BadArgumentsRow{"WriteHasNoJson",
                        {"write", "--port", "USB001", "a.rsd", "--json"},
                        "write has no option --json"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace clitest
