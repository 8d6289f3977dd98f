#include "cli_process.h"
#include "directory_file_fixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace clitest {
namespace {

using namespace orvane;
using namespace orvane::testing_support;
using namespace std::string_literals;

constexpr std::uint16_t kProduct = 0x1234;

const std::string kExampleCapabilityJson =
    R"({"support_data_format": "RSD1", "character_code": "ascii", "keycode_type": "type2", )"
    R"("max_onetouch_dial_num": 2, "current_onetouch_dial_num": 2, "max_coded_dial_num": 1, )"
    R"("current_coded_dial_num": 1, "max_tel_no_length": 4, "current_tel_no_length": 4, )"
    R"("max_name_length": 4, "current_name_length": 4, "max_email_address_length": 0, )"
    R"("current_email_address_length": 0, "max_user_tel_no_length": 4, "current_user_tel_no_length": 4, )"
    R"("max_user_name_length": 4, "current_user_name_length": 4, "max_reject_tel_num": 1, )"
    R"("current_reject_tel_num": 1, "max_reject_tel_no_length": 4, "current_reject_tel_no_length": 4})";

// Saves the directory `fill` makes of the example printer's Working copy.
template <typename Fill>
void SaveExample(const std::filesystem::path& path, Fill fill) {
    CRSUFuncRemoteSetup setup;
    PrepareExample(setup);
    fill(*setup.Copy(DirectoryCopy::Working));
    ASSERT_EQ(setup.SaveDirectoryFile(path, kProduct), rs::kSuccess);
}

TEST(CliShow, PrintsAFileAsATable) {
    TemporaryFolder folder;
    SaveExample(folder / "a.rsd", [](DirectoryData&) {});
    const CliRun run = RunCli({"show", (folder / "a.rsd").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "Product ID: 0x1234\n"
              "Capability:\n"
              "  support_data_format           RSD1\n"
              "  character_code                ascii\n"
              "  keycode_type                  type2\n"
              "  max_onetouch_dial_num         2\n"
              "  current_onetouch_dial_num     2\n"
              "  max_coded_dial_num            1\n"
              "  current_coded_dial_num        1\n"
              "  max_tel_no_length             4\n"
              "  current_tel_no_length         4\n"
              "  max_name_length               4\n"
              "  current_name_length           4\n"
              "  max_email_address_length      0\n"
              "  current_email_address_length  0\n"
              "  max_user_tel_no_length        4\n"
              "  current_user_tel_no_length    4\n"
              "  max_user_name_length          4\n"
              "  current_user_name_length      4\n"
              "  max_reject_tel_num            1\n"
              "  current_reject_tel_num        1\n"
              "  max_reject_tel_no_length      4\n"
              "  current_reject_tel_no_length  4\n"
              "Slots:\n"
              "  ID   Kind        Name  Number or members\n"
              "  *00  empty\n"
              "  01   individual  Bo    12\n"
              "  02   group       G     01\n"
              "Sender:\n"
              "  Name    Al\n"
              "  Number  5\n"
              "Rejected numbers:\n"
              "  01   99\n");
}

TEST(CliShow, PrintsAFileAsJson) {
    TemporaryFolder folder;
    SaveExample(folder / "a.rsd", [](DirectoryData&) {});
    const CliRun run = RunCli({"show", (folder / "a.rsd").string(), "--json"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "{\n  \"capability\": " + kExampleCapabilityJson +
                  ",\n  \"slots\": [\n"
                  R"(    {"id": "*00", "kind": "empty", "name": "", "number": "", "members": []},)"
                  "\n"
                  R"(    {"id": "01", "kind": "individual", "name": "Bo", "number": "12", "members": []},)"
                  "\n"
                  R"(    {"id": "02", "kind": "group", "name": "G", "number": "", "members": ["01"]})"
                  "\n  ],\n"
                  R"(  "sender": {"name": "Al", "number": "5"},)"
                  "\n  \"rejected\": [\n"
                  R"(    {"id": "01", "number": "99"})"
                  "\n  ]\n}\n");
}

TEST(CliShow, NamesBecomeUtf8AndJsonEscapesQuotes) {
    TemporaryFolder folder;
    SaveExample(folder / "a.rsd", [](DirectoryData& data) {
        StoreText(data.entries[1].name, "\x80\xe0\"");  // å, Å and a quotation mark
        StoreText(data.sender.name, "\\");  // a backslash has no row in the device character table: U+FFFD
    });
    const CliRun json = RunCli({"show", (folder / "a.rsd").string(), "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_NE(json.out.find(R"("name": "åÅ\"")"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"sender\": {\"name\": \"\xEF\xBF\xBD\""), std::string::npos) << json.out;
    const CliRun plain = RunCli({"show", (folder / "a.rsd").string()});
    EXPECT_NE(plain.out.find("  01   individual  åÅ\"   12\n"), std::string::npos) << plain.out;
}

// The example printer's file body, cut just before `text`.
std::string ExampleBodyCutBefore(std::string_view text) {
    CRSUFuncRemoteSetup setup;
    PrepareExample(setup);
    std::string plain;
    setup.EncodeDirectoryFile(kProduct, &plain);
    return plain.substr(0, plain.find(text));
}

struct BadFileRow {
    const char* label;
    std::string on_disk;  // empty: no file at all
    std::string message;
};

void PrintTo(const BadFileRow& row, std::ostream* os) {
    *os << row.label;
}

class CliShowBadFile : public ::testing::TestWithParam<BadFileRow> {};

TEST_P(CliShowBadFile, ExitsWithOneAndTheResultMessage) {
    const BadFileRow& row = GetParam();
    TemporaryFolder folder;
    if (!row.on_disk.empty()) WriteBytes(folder / "a.rsd", row.on_disk);
    const CliRun run = RunCli({"show", (folder / "a.rsd").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "orvane-cli: reading " + (folder / "a.rsd").string() + ": " + row.message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliShowBadFile,
    ::testing::Values(BadFileRow{"Missing", "", "The directory file cannot be opened. (code 14)"},
                      BadFileRow{"ProductZero", Inverted("<PID>0x0000</PID>\0"s),
                                 "The directory file is empty, unreadable or malformed. (code 15)"},
                      BadFileRow{"NoCapabilityDocument", Inverted("<PID>0x1234</PID>\0\r\nKN\r\nKT\r\n"s),
                                 "The directory file is empty, unreadable or malformed. (code 15)"},
                      BadFileRow{"NoSenderRecord", Inverted(ExampleBodyCutBefore("KN")),
                                 "The sender information is missing or incomplete. (code 9)"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace clitest
