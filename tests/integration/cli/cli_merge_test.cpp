// write --base: a file edited from a saved read, merged with what changed on the printer since.
#include "cli_sim_printer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace clitest {
namespace {

using orvane::testing_support::TemporaryFolder;

// A printer read into "a.rsd" (the base) and a copy "edited.rsd" with slot 01 changed to Cy 34.
struct EditedFromBase {
    SimPrinter printer;
    TemporaryFolder folder;
    std::string base = printer.SaveRead(folder);
    std::string edited = (folder / "edited.rsd").string();

    EditedFromBase() {
        std::filesystem::copy_file(base, edited);
        EditSavedFile(edited, "Cy", "34");
    }

    // Writes the printer as someone else meanwhile: slot 01 becomes `name` `number`.
    void ChangeSlot01OnThePrinter(std::string_view name, std::string_view number) {
        const std::string other = (folder / "other.rsd").string();
        std::filesystem::copy_file(base, other);
        EditSavedFile(other, name, number);
        const CliRun written = printer.Run({"write", "--port", "USB001", other, "--product-id", "0x1234"});
        ASSERT_EQ(written.status, 0) << written.err;
    }

    CliRun WriteMerged(std::vector<std::string> extra = {}) const {
        std::vector<std::string> arguments = {"write",  "--port", "USB001",       edited,
                                              "--base", base,     "--product-id", "0x1234"};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return printer.Run(arguments);
    }
};

TEST(CliMerge, ChangesOnThePrinterAndInTheFileBothEndOnThePrinter) {
    EditedFromBase setup;
    const CliRun read = setup.printer.Run({"read", "--port", "USB001", "--json"});
    ASSERT_EQ(read.status, 0) << read.err;
    std::string changed = read.out;
    const std::string sender = R"("sender": {"name": "Al")";
    ASSERT_NE(changed.find(sender), std::string::npos) << changed;
    changed.replace(changed.find(sender), sender.size(), R"("sender": {"name": "Zo")");
    ASSERT_EQ(
        setup.printer.Run({"write", "--port", "USB001", "-", "--product-id", "0x1234"}, {}, changed).status,
        0);

    const CliRun merged = setup.WriteMerged();
    EXPECT_EQ(merged.status, 0) << merged.err;
    EXPECT_EQ(merged.out, "Wrote " + setup.edited + " to the printer on USB001\n");
    const std::string state = setup.printer.State();
    EXPECT_NE(state.find("dial 01 individual \"Cy\" \"34\""), std::string::npos) << state;
    EXPECT_NE(state.find("sender \"Zo\" \"5\""), std::string::npos) << state;
}

struct PreferRow {
    std::string label;
    std::vector<std::string> prefer;  // the --prefer option, or nothing
    int status;
    std::string slot01;  // the state line of slot 01 afterwards
};

void PrintTo(const PreferRow& row, std::ostream* out) {
    *out << row.label;
}

class CliMergeConflict : public ::testing::TestWithParam<PreferRow> {};

TEST_P(CliMergeConflict, IsListedOrSettledByPrefer) {
    const PreferRow& row = GetParam();
    EditedFromBase setup;
    setup.ChangeSlot01OnThePrinter("Dd", "56");
    const std::string before = setup.printer.State();

    const CliRun merged = setup.WriteMerged(row.prefer);
    EXPECT_EQ(merged.status, row.status) << merged.err;
    const std::string state = setup.printer.State();
    EXPECT_NE(state.find(row.slot01), std::string::npos) << state;
    if (!row.prefer.empty()) return;
    EXPECT_EQ(merged.out, "");
    EXPECT_EQ(merged.err, "orvane-cli: nothing was written to the printer on USB001: it and " + setup.edited +
                              " changed these slots differently since " + setup.base +
                              "; settle them with --prefer file or --prefer printer:\n"
                              "  01: the printer holds individual \"Dd\" \"56\", " +
                              setup.edited + " holds individual \"Cy\" \"34\"\n");
    EXPECT_EQ(state, before);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliMergeConflict,
    ::testing::Values(PreferRow{"Unsettled", {}, 5, "dial 01 individual \"Dd\" \"56\""},
                      PreferRow{"PreferFile", {"--prefer", "file"}, 0, "dial 01 individual \"Cy\" \"34\""},
                      PreferRow{
                          "PreferPrinter", {"--prefer", "printer"}, 0, "dial 01 individual \"Dd\" \"56\""}),
    [](const auto& info) { return info.param.label; });

}  // namespace
}  // namespace clitest
