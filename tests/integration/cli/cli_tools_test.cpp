// orvane-cli check, diff, write --dry-run, the backups before writes, restore and the read-back
// after a write, against the virtual printer.
#include "cli_sim_printer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace clitest {
namespace {

using namespace orvane;
using namespace orvane::testing_support;

// The backups the runs of this test program saved, those of `printer` only.
std::vector<std::filesystem::path> Backups(const std::string& printer) {
    const std::filesystem::path folder =
        std::filesystem::path(std::getenv("XDG_DATA_HOME")) / "Orvane" / "backups";
    std::vector<std::filesystem::path> files;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        if (entry.path().filename().string().starts_with(printer + "-")) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Saves the example printer's directory changed by `edit` as `path`.
template <typename Edit>
void SaveBroken(const std::filesystem::path& path, Edit edit) {
    CRSUFuncRemoteSetup setup;
    PrepareExample(setup);
    edit(*setup.Copy(DirectoryCopy::Working));
    ASSERT_EQ(setup.SaveDirectoryFile(path, 0x1234), rs::kSuccess);
}

TEST(CliCheck, ACleanDirectoryExitsWithZero) {
    SimPrinter printer;
    const CliRun run = printer.Run({"check", "--port", "USB001"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "No problems in the printer on USB001.\n");
}

TEST(CliCheck, EachProblemOfAHandMadeDirectoryOnce) {
    TemporaryFolder folder;
    const std::string file = (folder / "broken.rsd").string();
    SaveBroken(file, [](DirectoryData& data) {
        // The group "02" also names the empty slot "*00"; the rejected number ends with a pause.
        data.entries[2].member_count = 2;
        StoreText(data.entries[2].members[1], "*00");
        StoreText(data.rejects[0].number, "12p");
    });
    const CliRun run = RunCli({"check", file});
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.out, "2 problems in " + file +
                           ":\n"
                           "  group 02 \"G\": member *00 names an empty slot\n"
                           "  rejected 01: the number \"12p\" is not one the printer's rules accept\n");
    const CliRun json = RunCli({"check", file, "--json"});
    EXPECT_EQ(json.status, 3);
    EXPECT_NE(
        json.out.find(
            R"({"kind": "empty-member", "slot": "02", "text": "group 02 \"G\": member *00 names an empty slot"})"),
        std::string::npos)
        << json.out;
}

TEST(CliCheck, ARepeatedNumberNamesAllItsSlots) {
    TemporaryFolder folder;
    const std::string file = (folder / "broken.rsd").string();
    SaveBroken(file, [](DirectoryData& data) {
        data.entries[0].kind = EntryKind::Individual;
        StoreText(data.entries[0].name, "Cy");
        StoreText(data.entries[0].number, "12");
    });
    const CliRun run = RunCli({"check", file});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "1 problem in " + file + ":\n  the number \"12\" is in the slots *00 and 01\n");
}

TEST(CliCheck, AJsonDocumentIsCheckedAsItIsWritten) {
    TemporaryFolder folder;
    const std::string saved = (folder / "a.rsd").string();
    SaveBroken(saved, [](DirectoryData&) {});
    const CliRun exported = RunCli({"export", saved, "--format", "json"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    std::string text = exported.out;
    text.replace(text.find("\"Bo\""), 4, "\"B~o\"");
    WriteBytes(folder / "a.json", text);
    const CliRun run = RunCli({"check", (folder / "a.json").string()});
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.out, "1 problem in " + (folder / "a.json").string() +
                           ":\n  01: the name \"B~o\" is not one the printer's rules accept\n");
    const CliRun same = RunCli({"diff", saved, (folder / "a.json").string()});
    EXPECT_EQ(same.status, 0) << same.out << same.err;  // the tilde is dropped as typing drops it
}

TEST(CliDiff, ListsChangedSlotsAndExitsWithThree) {
    SimPrinter printer;
    TemporaryFolder folder;
    const std::string saved = printer.SaveRead(folder);
    const std::string edited = (folder / "b.rsd").string();
    std::filesystem::copy_file(saved, edited);
    EditSavedFile(edited, "Cy", "34");
    const CliRun same = printer.Run({"diff", saved, "--port", "USB001"});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, saved + " and the printer on USB001 hold the same directory.\n");
    const CliRun changed = printer.Run({"diff", "--port", "USB001", edited});
    EXPECT_EQ(changed.status, 3) << changed.err;
    EXPECT_EQ(changed.out, "From the printer on USB001 to " + edited +
                               ":\n"
                               "  Slot  Change   What\n"
                               "  01    changed  name \"Bo\" -> \"Cy\", number \"12\" -> \"34\"\n");
}

TEST(CliDiff, AddedRemovedSenderAndRejected) {
    TemporaryFolder folder;
    const std::string a = (folder / "a.rsd").string();
    const std::string b = (folder / "b.rsd").string();
    SaveBroken(a, [](DirectoryData&) {});
    SaveBroken(b, [](DirectoryData& data) {
        data.entries[0].kind = EntryKind::Individual;
        StoreText(data.entries[0].name, "Di");
        StoreText(data.entries[0].number, "7");
        data.entries[2].kind = EntryKind::Empty;
        StoreText(data.entries[2].name, "");
        data.entries[2].member_count = 0;
        StoreText(data.entries[2].members[0], "");
        StoreText(data.sender.number, "6");
        StoreText(data.rejects[0].number, "");
    });
    const CliRun run = RunCli({"diff", a, b, "--json"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "{\n  \"first\": \"" + a + "\",\n  \"second\": \"" + b +
                           "\",\n  \"changes\": [\n"
                           R"(    {"slot": "*00", "change": "added", "text": "individual \"Di\" \"7\""},)"
                           "\n"
                           R"(    {"slot": "02", "change": "removed", "text": "group \"G\" of 01"},)"
                           "\n"
                           R"(    {"slot": "sender", "change": "changed", "text": "number \"5\" -> \"6\""},)"
                           "\n"
                           R"(    {"slot": "rejected 01", "change": "removed", "text": "\"99\""})"
                           "\n  ]\n}\n");
}

TEST(CliWriteDryRun, PrintsTheChangesAndSendsNothing) {
    SimPrinter printer;
    TemporaryFolder folder;
    const std::string file = printer.SaveRead(folder);
    EditSavedFile(file, "Cy", "34");
    const std::string state = printer.State();
    const CliRun run =
        printer.Run({"write", "--port", "USB001", file, "--product-id", "0x1234", "--dry-run"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Writing " + file +
                           " to the printer on USB001 would change (nothing was written):\n"
                           "  Slot  Change   What\n"
                           "  01    changed  name \"Bo\" -> \"Cy\", number \"12\" -> \"34\"\n");
    EXPECT_EQ(printer.State(), state);
    EXPECT_EQ(printer.Log().find("SendData"), std::string::npos);
}

TEST(CliBackups, AWriteKeepsThePrintersDirectoryAndRestoreBringsItBack) {
    SimPrinter printer({}, "small", 3);  // USB004, a name no other test uses
    TemporaryFolder folder;
    const CliRun before = printer.Run({"read", "--port", "USB004", "--json"});
    const std::string file = (folder / "a.rsd").string();
    ASSERT_EQ(printer.Run({"read", "--port", "USB004", "--out", file, "--product-id", "0x1234"}).status, 0);
    EditSavedFile(file, "Cy", "34");
    const CliRun written = printer.Run({"write", "--port", "USB004", file, "--product-id", "0x1234"});
    ASSERT_EQ(written.status, 0) << written.err;
    const std::vector<std::filesystem::path> backups = Backups("USB004");
    ASSERT_EQ(backups.size(), 1u);
    const CliRun listed = RunCli({"backups", "--printer", "USB004"});
    EXPECT_NE(listed.out.find(backups[0].string()), std::string::npos) << listed.out;
    EXPECT_EQ(RunCli({"show", backups[0].string(), "--json"}).out, before.out);

    const CliRun restored =
        printer.Run({"restore", backups[0].string(), "--port", "USB004", "--product-id", "0x1234"});
    ASSERT_EQ(restored.status, 0) << restored.err;
    EXPECT_EQ(printer.Run({"read", "--port", "USB004", "--json"}).out, before.out);
    EXPECT_EQ(Backups("USB004").size(), 2u);  // the restore backed up the written directory
}

TEST(CliBackups, AWriteCutShortAfterTheBackupLeavesItLoadable) {
    // Requests: the read that saves the file (1 to 4), the write's own read (StartJob, GetCapability,
    // ReceiveData, EndJob: 5 to 8), the check (StartJob, ReceiveData: 9, 10), then SendData, the
    // eleventh: its answer is cut and the link drops.
    SimPrinter printer({"--disconnect-at", "11"}, "small", 4);  // USB005
    TemporaryFolder folder;
    const std::string original = (folder / "a.rsd").string();
    ASSERT_EQ(printer.Run({"read", "--port", "USB005", "--out", original, "--product-id", "0x1234"}).status,
              0);
    const std::string edited = (folder / "b.rsd").string();
    std::filesystem::copy_file(original, edited);
    EditSavedFile(edited, "Cy", "34");
    const CliRun written = printer.Run({"write", "--port", "USB005", edited, "--product-id", "0x1234"});
    EXPECT_EQ(written.status, 1);
    EXPECT_TRUE(written.err.starts_with("orvane-cli: writing to the printer on USB005: ")) << written.err;
    const std::vector<std::filesystem::path> backups = Backups("USB005");
    ASSERT_EQ(backups.size(), 1u);
    const CliRun shown = RunCli({"show", backups[0].string(), "--json"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out, RunCli({"show", original, "--json"}).out);
}

TEST(CliVerify, APrinterThatDoesNotKeepTheWriteGivesExitFour) {
    SimPrinter printer({"--edit-after-write", "1"});
    TemporaryFolder folder;
    const std::string file = printer.SaveRead(folder);
    EditSavedFile(file, "Cy", "34");
    const CliRun run = printer.Run({"write", "--port", "USB001", file, "--product-id", "0x1234"});
    EXPECT_EQ(run.status, 4) << run.err;
    EXPECT_EQ(run.out, "Wrote " + file + " to the printer on USB001\n");
    EXPECT_TRUE(
        run.err.starts_with("orvane-cli: verifying the printer on USB001: the printer holds another "
                            "directory than the one written:\n"))
        << run.err;
}

TEST(CliVerify, NoVerifyDoesNotReadBack) {
    SimPrinter printer({"--edit-after-write", "1"});
    TemporaryFolder folder;
    const std::string file = printer.SaveRead(folder);
    EditSavedFile(file, "Cy", "34");
    const CliRun run =
        printer.Run({"write", "--port", "USB001", file, "--product-id", "0x1234", "--no-verify"});
    EXPECT_EQ(run.status, 0) << run.err;
}

}  // namespace
}  // namespace clitest
