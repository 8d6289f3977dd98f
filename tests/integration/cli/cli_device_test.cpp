// orvane-cli against the virtual printer, over the device node (USB001) and the network port
// library (VLNETP_127.0.0.1:<port>).
#include "cli_sim_printer.h"
#include "planted_files.h"
#include "transport/internal/port_claim.h"
#include "transport/named_object.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

namespace clitest {
namespace {

using namespace orvane;
using namespace orvane::testing_support;

using Printer = SimPrinter;

class CliDevice : public ::testing::TestWithParam<Link> {};

TEST_P(CliDevice, ShowOfASavedReadEqualsTheReadAsJson) {
    Printer printer;
    TemporaryFolder folder;
    const std::string file = (folder / "a.rsd").string();
    const CliRun saved =
        printer.Run({"read", "--port", printer.Port(GetParam()), "--out", file, "--product-id", "0x1234"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out,
              "Saved the directory of the printer on " + printer.Port(GetParam()) + " to " + file + "\n");
    const CliRun read = printer.Run({"read", "--port", printer.Port(GetParam()), "--json"});
    ASSERT_EQ(read.status, 0) << read.err;
    const CliRun shown = RunCli({"show", file, "--json"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out, read.out);
    EXPECT_NE(read.out.find(R"({"id": "02", "kind": "group", "name": "G", "number": "", "members": ["01"]})"),
              std::string::npos)
        << read.out;
}

TEST_P(CliDevice, EditedFileIsWrittenAndReadBack) {
    Printer printer;
    TemporaryFolder folder;
    const std::string port = printer.Port(GetParam());
    const std::string file = printer.SaveRead(folder, GetParam());
    EditSavedFile(file, "Cy", "34");
    // 4660 is 0x1234 in decimal.
    const CliRun written = printer.Run({"write", "--port", port, file, "--product-id", "4660"});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "Wrote " + file + " to the printer on " + port + "\n");
    EXPECT_NE(printer.State().find("dial 01 individual \"Cy\" \"34\""), std::string::npos) << printer.State();
    const CliRun read = printer.Run({"read", "--port", port});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_NE(read.out.find("  01   individual  Cy    34\n"), std::string::npos) << read.out;
}

INSTANTIATE_TEST_SUITE_P(Links, CliDevice, ::testing::Values(Link::Usb, Link::Tcp), [](const auto& info) {
    return std::string(info.param == Link::Usb ? "Usb" : "Tcp");
});

// Another local user planted something under one of the port claim's objects: the read fails
// before anything reaches the printer, and what the plant leads to stays as it was.
class CliPlantedClaim : public ::testing::TestWithParam<std::tuple<std::string, orvane::testing::Plant>> {};

TEST_P(CliPlantedClaim, ReadFailsAndTheVictimIsUntouched) {
    const auto& [object, plant] = GetParam();
    Printer printer;
    TemporaryFolder folder;
    const orvane::testing::Victim victim(folder / "victim");
    const std::string planted = NamedObject::PathFor(object);
    orvane::testing::PlantAt(planted, plant, victim);
    const CliRun read = printer.Run({"read", "--port", "USB001"});
    EXPECT_NE(read.status, 0);
    EXPECT_NE(read.err, "");
    EXPECT_EQ(printer.Log(), "");
    victim.ExpectUntouched();
    std::filesystem::remove(planted);
}

INSTANTIATE_TEST_SUITE_P(
    ClaimObjects, CliPlantedClaim,
    ::testing::Combine(::testing::Values(std::string(kClaimGuardName), ClaimMutexName("USB001"),
                                         std::string(kPortClaimTableName)),
                       ::testing::Values(orvane::testing::Plant::kLinkToVictim, orvane::testing::Plant::kFifo,
                                         orvane::testing::Plant::kFolder)),
    [](const auto& info) {
        const std::string& object = std::get<0>(info.param);
        const std::string kind = object == kClaimGuardName       ? "Guard"
                                 : object == kPortClaimTableName ? "Table"
                                                                 : "Claim";
        return kind + orvane::testing::PlantName(std::get<1>(info.param));
    });

TEST(CliWrite, UnchangedFileSendsNothing) {
    Printer printer;
    TemporaryFolder folder;
    const std::string file = printer.SaveRead(folder);
    const CliRun written = printer.Run({"write", "--port", "USB001", file, "--product-id", "0x1234"});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out,
              "The printer on USB001 already holds the directory of " + file + "; nothing was written\n");
    EXPECT_EQ(printer.Log().find("SendData"), std::string::npos);
}

TEST(CliWrite, FileOfAnotherProductNeedsForce) {
    Printer printer;
    TemporaryFolder folder;
    const std::string file = printer.SaveRead(folder);
    EditSavedFile(file, "Dd", "56");
    const CliRun refused = printer.Run({"write", "--port", "USB001", file, "--product-id", "0x4321"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              "orvane-cli: checking " + file +
                  ": The directory file was made for another printer model. (code 0x10000001) Use "
                  "--force to write it anyway.\n");
    EXPECT_EQ(printer.Log().find("SendData"), std::string::npos);

    const CliRun forced =
        printer.Run({"write", "--port", "USB001", file, "--product-id", "0x4321", "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(forced.err, "orvane-cli: warning: " + file +
                              " was made for another printer model; writing it anyway (--force)\n");
    EXPECT_NE(printer.State().find("\"Dd\" \"56\""), std::string::npos);
}

TEST(CliWrite, PrinterChangedSinceTheReadStopsTheWrite) {
    // The printer changes a name after its second ReceiveData answer: the write's own read.
    Printer printer({"--edit-after-read", "2"});
    TemporaryFolder folder;
    const std::string file = printer.SaveRead(folder);
    EditSavedFile(file, "Ed", "78");
    const CliRun refused = printer.Run({"write", "--port", "USB001", file, "--product-id", "0x1234"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              "orvane-cli: writing to the printer on USB001: The printer's directory changed since it "
              "was read. (code 0x10000003) Nothing was written; read it again, or use --force to "
              "write anyway.\n");
    EXPECT_EQ(printer.State().find("\"Ed\""), std::string::npos);
}

TEST(CliWrite, ForceWritesOverAChangedPrinter) {
    Printer printer({"--edit-after-read", "2"});
    TemporaryFolder folder;
    const std::string file = printer.SaveRead(folder);
    EditSavedFile(file, "Ed", "78");
    const CliRun forced =
        printer.Run({"write", "--port", "USB001", file, "--product-id", "0x1234", "--force"});
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_NE(printer.State().find("dial 01 individual \"Ed\" \"78\""), std::string::npos) << printer.State();
}

TEST(CliRead, PortWithoutAPrinterFails) {
    Printer printer;
    const CliRun run = printer.Run({"read", "--port", "USB002"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("orvane-cli: reading the printer on USB002: ")) << run.err;
    EXPECT_NE(run.err.find("(code "), std::string::npos) << run.err;
}

struct ObjectFolderRow {
    const char* name;
    mode_t mode;
    const char* refusal;  // what the program says of the folder; empty: it reads the printer
};

class CliObjectFolder : public ::testing::TestWithParam<ObjectFolderRow> {};

TEST_P(CliObjectFolder, IsUsedOrRefusedByName) {
    Printer printer;
    TemporaryFolder folder;
    const std::filesystem::path objects = folder / "objects";
    ASSERT_TRUE(std::filesystem::create_directory(objects));
    ASSERT_EQ(::chmod(objects.c_str(), GetParam().mode), 0);
    const CliRun run = printer.Run({"read", "--port", "USB001"}, {{"ORVANE_OBJECT_DIR", objects.string()}});
    if (*GetParam().refusal == '\0') {
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("01"), std::string::npos) << run.out;
    } else {
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err,
                  "orvane-cli: the object folder " + objects.string() + " " + GetParam().refusal + "\n");
        EXPECT_EQ(printer.Log(), "");  // nothing reached the printer
    }
    struct stat info {};
    ASSERT_EQ(::stat(objects.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, GetParam().mode);  // used or refused, never repaired
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CliObjectFolder,
    ::testing::Values(
        ObjectFolderRow{"Private", 0700, ""}, ObjectFolderRow{"ReadableByAll", 0755, ""},
        ObjectFolderRow{"Sticky", 01777, ""},
        ObjectFolderRow{"WorldWritable", 0777, "can be written by other users but lacks the sticky bit"},
        ObjectFolderRow{"GroupWritable", 0770, "can be written by other users but lacks the sticky bit"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace clitest
