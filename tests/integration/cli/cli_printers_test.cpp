// orvane-cli printers and --printer: printers named through a printers file (ORVANE_PRINTERS) and
// the model list shipped beside the program ("Velor MX100 series" 0x1234, "Velor FX200" 0x1235).
#include "cli_sim_printer.h"

#include <gtest/gtest.h>

#include <string>

namespace clitest {
namespace {

using namespace orvane;
using namespace orvane::testing_support;

// A printers file in `folder` holding `lines`; returns the environment that names it.
Environment PrintersFile(const TemporaryFolder& folder, const std::string& lines) {
    WriteBytes(folder / "printers", lines);
    return {{"ORVANE_PRINTERS", (folder / "printers").string()}};
}

TEST(CliPrinters, ListsTheInstalledPrintersOfListedModelsInOrder) {
    TemporaryFolder folder;
    const Environment printers = PrintersFile(folder,
                                              "# name, driver, port\n"
                                              "Front Desk\tVelor FX200\tVLNETP_10.0.0.7\n"
                                              "Lower Case\tvelor mx100 series\tUSB003\n"
                                              "Office Fax\tVelor MX100 series\tUSB001\n"
                                              "Laser\tAcme Laser 9\tUSB002\n");
    const CliRun run = RunCli({"printers"}, printers);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Name        Model               Port             Product ID\n"
              "Front Desk  Velor FX200         VLNETP_10.0.0.7  0x1235\n"
              "Office Fax  Velor MX100 series  USB001           0x1234\n");
    const CliRun json = RunCli({"printers", "--json"}, printers);
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(
        json.out,
        "[\n"
        R"(  {"name": "Front Desk", "model": "Velor FX200", "port": "VLNETP_10.0.0.7", "product_id": "0x1235"},)"
        "\n"
        R"(  {"name": "Office Fax", "model": "Velor MX100 series", "port": "USB001", "product_id": "0x1234"})"
        "\n]\n");
}

TEST(CliPrinters, NoSupportedPrinterSaysSo) {
    TemporaryFolder folder;
    const CliRun run = RunCli({"printers"}, PrintersFile(folder, "Laser\tAcme Laser 9\tUSB002\n"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "No supported printer is installed.\n");
}

class CliNamedPrinter : public ::testing::TestWithParam<Link> {};

TEST_P(CliNamedPrinter, ReadsAndSavesWithTheModelsProductId) {
    SimPrinter printer;
    TemporaryFolder folder;
    const Environment printers =
        PrintersFile(folder, "Office Fax\tVelor MX100 series\t" + printer.Port(GetParam()) + "\n");
    const std::string file = (folder / "a.rsd").string();
    const CliRun saved = printer.Run({"read", "--printer", "Office Fax", "--out", file}, printers);
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, "Saved the directory of the printer \"Office Fax\" on " + printer.Port(GetParam()) +
                             " to " + file + "\n");
    const CliRun shown = RunCli({"show", file});
    EXPECT_TRUE(shown.out.starts_with("Product ID: 0x1234\n")) << shown.out;
    // The exchange names the printer by its own name, not by its port.
    const CliRun read = printer.Run({"read", "--printer", "Office Fax", "--json"}, printers);
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_NE(
        read.out.find(R"({"id": "01", "kind": "individual", "name": "Bo", "number": "12", "members": []})"),
        std::string::npos)
        << read.out;
}

TEST_P(CliNamedPrinter, WritesAFileCheckedAgainstTheModelsProductId) {
    SimPrinter printer;
    TemporaryFolder folder;
    const std::string port = printer.Port(GetParam());
    const std::string file = printer.SaveRead(folder, GetParam());  // product 0x1234
    const Environment printers = PrintersFile(folder, "Office Fax\tVelor MX100 series\t" + port +
                                                          "\n"
                                                          "Front Desk\tVelor FX200\t" +
                                                          port + "\n");
    const CliRun same = printer.Run({"write", "--printer", "Office Fax", file}, printers);
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "The printer \"Office Fax\" on " + port + " already holds the directory of " + file +
                            "; nothing was written\n");
    const CliRun other = printer.Run({"write", "--printer", "Front Desk", file}, printers);
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.err, "orvane-cli: checking " + file +
                             ": The directory file was made for another printer model. (code 0x10000001) Use "
                             "--force to write it anyway.\n");
}

INSTANTIATE_TEST_SUITE_P(Links, CliNamedPrinter, ::testing::Values(Link::Usb, Link::Tcp),
                         [](const auto& info) {
                             return std::string(info.param == Link::Usb ? "Usb" : "Tcp");
                         });

struct UnknownPrinterRow {
    const char* label;
    std::string lines;
    std::string message;
};

void PrintTo(const UnknownPrinterRow& row, std::ostream* os) {
    *os << row.label;
}

class CliUnresolvedPrinter : public ::testing::TestWithParam<UnknownPrinterRow> {};

TEST_P(CliUnresolvedPrinter, FailsBeforeTalkingToAnyPrinter) {
    TemporaryFolder folder;
    const CliRun run = RunCli({"read", "--printer", "Office Fax"}, PrintersFile(folder, GetParam().lines));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "orvane-cli: " + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliUnresolvedPrinter,
    ::testing::Values(
        UnknownPrinterRow{"NotInstalled", "Office\tVelor MX100 series\tUSB001\n",
                          "no printer named \"Office Fax\" is installed"},
        UnknownPrinterRow{"NameDiffersInCase", "office fax\tVelor MX100 series\tUSB001\n",
                          "no printer named \"Office Fax\" is installed"},
        UnknownPrinterRow{
            "ModelNotListed", "Office Fax\tAcme Laser 9\tUSB001\n",
            "the printer \"Office Fax\" has the driver \"Acme Laser 9\", which is not a supported model"},
        UnknownPrinterRow{"PortUnknown", "Office Fax\tVelor MX100 series\t\n",
                          "the port of the printer \"Office Fax\" is unknown"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace clitest
