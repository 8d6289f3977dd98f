// orvane-cli export and import (CSV, JSON) and write of JSON, against the virtual printer's profiles.
#include "cli_sim_printer.h"

#include <gtest/gtest.h>

#include <string>

namespace clitest {
namespace {

using namespace orvane;
using namespace orvane::testing_support;

struct ProfileRow {
    const char* label;
    std::string profile;
    std::vector<std::string> options;
};

void PrintTo(const ProfileRow& row, std::ostream* os) {
    *os << row.label;
}

const auto kProfiles = ::testing::Values(
    ProfileRow{"Small", "small", {}}, ProfileRow{"Typical", "typical", {}},
    ProfileRow{"TypicalKana", "typical", {"--keycode", "type1"}}, ProfileRow{"Large", "large", {}});

class CliRoundTrip : public ::testing::TestWithParam<std::tuple<ProfileRow, std::string>> {
  protected:
    const ProfileRow& Profile() const { return std::get<0>(GetParam()); }
    const std::string& Format() const { return std::get<1>(GetParam()); }
};

TEST_P(CliRoundTrip, FileToTextToFileGivesTheSameDirectory) {
    SimPrinter printer(Profile().options, Profile().profile);
    TemporaryFolder folder;
    const std::string saved = printer.SaveRead(folder);
    const std::string text = (folder / ("a." + Format())).string();
    const CliRun exported = RunCli({"export", saved, "--format", Format(), "--out", text});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, "Exported the directory of " + saved + " to " + text + "\n");
    const std::string back = (folder / "b.rsd").string();
    const CliRun imported = RunCli({"import", text, "--into", saved, "--out", back, "--replace"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "Every entry of " + text + " arrived as given.\nSaved " + back + "\n");
    const CliRun before = RunCli({"show", saved, "--json"});
    const CliRun after = RunCli({"show", back, "--json"});
    ASSERT_EQ(after.status, 0) << after.err;
    EXPECT_EQ(after.out, before.out);
}

TEST_P(CliRoundTrip, PrinterToTextToPrinterWritesNothing) {
    SimPrinter printer(Profile().options, Profile().profile);
    TemporaryFolder folder;
    const CliRun exported = printer.Run({"export", "--port", "USB001", "--format", Format()});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const std::string text = (folder / ("a." + Format())).string();
    WriteBytes(text, exported.out);
    const CliRun imported =
        printer.Run({"import", text, "--into", "--port", "USB001", "--replace", "--product-id", "0x1234"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "Every entry of " + text +
                                " arrived as given.\nThe printer on USB001 already holds the directory of " +
                                text + "; nothing was written\n");
    EXPECT_EQ(printer.Log().find("SendData"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(ProfilesAndFormats, CliRoundTrip,
                         ::testing::Combine(kProfiles, ::testing::Values("csv", "vcard", "json")),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).label) + "_" +
                                    std::get<1>(info.param);
                         });

TEST(CliImportVcard, CardsWithoutSlotsFillFreeSlotsAndTheReportSaysWhatDidNotFit) {
    SimPrinter printer;  // "*00" empty, "01" Bo, "02" the group G
    TemporaryFolder folder;
    const std::string saved = printer.SaveRead(folder);
    const std::string cards = (folder / "contacts.vcf").string();
    WriteBytes(cards,
               "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Ng;Di;;;\r\nFN:Di Ng\r\nTEL;TYPE=CELL:0170\r\n"
               "TEL;TYPE=FAX,WORK:+49 30-12\r\nEND:VCARD\r\n"
               "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ed\r\nTEL:77\r\nEND:VCARD\r\n");
    const std::string out = (folder / "b.rsd").string();
    const CliRun run = RunCli({"import", cards, "--into", saved, "--out", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "3 entries of " + cards +
                           " did not arrive as given:\n"
                           "  line 1, slot *00: name \"Di Ng\" was cut to 4 characters: \"Di N\"\n"
                           "  line 1, slot *00: number \"+49 30-12\" was changed to \"49 3\"\n"
                           "  line 8: \"Ed\" could not be placed: no free slot is left\n"
                           "Saved " +
                           out + "\n");
    const CliRun shown = RunCli({"show", out});
    EXPECT_NE(shown.out.find("  *00  individual  Di N  49 3\n"), std::string::npos) << shown.out;
}

struct AddressBookRow {
    const char* label;
    std::string text;
    std::vector<std::string> options;
};

void PrintTo(const AddressBookRow& row, std::ostream* os) {
    *os << row.label;
}

class CliImportAddressBook : public ::testing::TestWithParam<AddressBookRow> {};

TEST_P(CliImportAddressBook, PutsEachContactIntoAFreeSlot) {
    SimPrinter printer;  // "*00" is the only free slot
    TemporaryFolder folder;
    const std::string saved = printer.SaveRead(folder);
    const std::string contacts = (folder / "contacts.csv").string();
    WriteBytes(contacts, GetParam().text);
    const std::string out = (folder / "b.rsd").string();
    std::vector<std::string> arguments = {"import", contacts, "--into", saved, "--out", out};
    arguments.insert(arguments.end(), GetParam().options.begin(), GetParam().options.end());
    const CliRun run = RunCli(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Every entry of " + contacts + " arrived as given.\nSaved " + out + "\n");
    const CliRun shown = RunCli({"show", out});
    EXPECT_NE(shown.out.find("  *00  individual  Di    12\n"), std::string::npos) << shown.out;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliImportAddressBook,
    ::testing::Values(
        AddressBookRow{"Outlook", "First Name;Last Name;Business Phone;Business Fax\r\nDi;;99;12\r\n", {}},
        AddressBookRow{
            "ColumnsNamed", "Kontakt,Rufnummer\nDi,12\n", {"--columns", "name=Kontakt,number=Rufnummer"}},
        AddressBookRow{"ColumnsNamedNumberFirst",
                       "Kontakt\tRufnummer\tName\nDi\t12\tx\n",
                       {"--columns", "number=rufnummer,name=kontakt"}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(CliImportAddressBook, ColumnsThatAreNotInTheHeaderAreRefused) {
    TemporaryFolder folder;
    const std::string contacts = (folder / "contacts.csv").string();
    WriteBytes(contacts, "Kontakt,Rufnummer\nDi,12\n");
    const CliRun run = RunCli(
        {"import", contacts, "--into", (folder / "a.rsd").string(), "--columns", "name=Name,number=Fax"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "orvane-cli: " + contacts + ": line 1: the header has no column \"Name\"\n");
}

TEST(CliWriteJson, ReadJsonEditedAndPipedIntoWrite) {
    SimPrinter printer;
    const CliRun read = printer.Run({"read", "--port", "USB001", "--json"});
    ASSERT_EQ(read.status, 0) << read.err;
    std::string edited = read.out;
    const std::string from = R"("name": "Bo", "number": "12")";
    ASSERT_NE(edited.find(from), std::string::npos);
    // Full-width letters and a pause at the start, as a script might leave them.
    edited.replace(edited.find(from), from.size(), "\"name\": \"\xEF\xBC\xA3y\", \"number\": \"p34\"");
    const CliRun written =
        printer.Run({"write", "--port", "USB001", "-", "--product-id", "0x1234"}, {}, edited);
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "Wrote standard input to the printer on USB001\n");
    EXPECT_EQ(
        written.err,
        "orvane-cli: warning: standard input: line 5, slot 01: name \"\xEF\xBC\xA3y\" was changed to \"Cy\"\n"
        "orvane-cli: warning: standard input: line 5, slot 01: number \"p34\" was changed to \"34\"\n");
    EXPECT_NE(printer.State().find("dial 01 individual \"Cy\" \"34\""), std::string::npos) << printer.State();
}

TEST(CliWriteJson, AJsonFileReplacesTheWholeDirectory) {
    SimPrinter printer;
    TemporaryFolder folder;
    WriteBytes(folder / "d.json",
               R"({"slots": [{"id": "*00", "kind": "individual", "name": "Di", "number": "7"}]})");
    const CliRun written =
        printer.Run({"write", "--port", "USB001", (folder / "d.json").string(), "--product-id", "0x1234"});
    ASSERT_EQ(written.status, 0) << written.err;
    const std::string state = printer.State();
    EXPECT_NE(state.find("dial *00 individual \"Di\" \"7\""), std::string::npos) << state;
    EXPECT_NE(state.find("dial 01 empty"), std::string::npos) << state;
    EXPECT_NE(state.find("sender \"\" \"\""), std::string::npos) << state;
}

struct MalformedRow {
    const char* label;
    const char* name;
    std::string text;
    std::string error;  // after "orvane-cli: <file>: "
};

void PrintTo(const MalformedRow& row, std::ostream* os) {
    *os << row.label;
}

class CliMalformedSource : public ::testing::TestWithParam<MalformedRow> {};

TEST_P(CliMalformedSource, NamesTheLineAndWritesNothing) {
    SimPrinter printer;
    TemporaryFolder folder;
    const std::string source = (folder / GetParam().name).string();
    WriteBytes(source, GetParam().text);
    const std::string saved = printer.SaveRead(folder);
    const std::string expected = "orvane-cli: " + source + ": " + GetParam().error + "\n";
    const std::string out = (folder / "out.rsd").string();
    const CliRun into_file = RunCli({"import", source, "--into", saved, "--out", out});
    EXPECT_EQ(into_file.status, 1);
    EXPECT_EQ(into_file.err, expected);
    EXPECT_FALSE(std::filesystem::exists(out));
    const CliRun into_printer =
        printer.Run({"import", source, "--into", "--port", "USB001", "--product-id", "0x1234"});
    EXPECT_EQ(into_printer.status, 1);
    EXPECT_EQ(into_printer.err, expected);
    if (std::string_view(GetParam().name).ends_with(".json")) {
        const CliRun written = printer.Run({"write", "--port", "USB001", source, "--product-id", "0x1234"});
        EXPECT_EQ(written.status, 1);
        EXPECT_EQ(written.err, expected);
    }
    EXPECT_EQ(printer.Log().find("SendData"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliMalformedSource,
    ::testing::Values(
        MalformedRow{"CsvFieldCount", "a.csv",
                     "slot,kind,name,number,members\n01,individual,Bo,12,\n02,individual\n",
                     "line 3: 2 fields where the header has 5"},
        MalformedRow{
            "CsvNoHeader", "a.csv", "01,individual,Bo,12,\n",
            "line 1: the columns of the name and the fax number are not recognised among \"01\", "
            "\"individual\", \"Bo\", \"12\", \"\"; name them with --columns name=HEADER,number=HEADER"},
        MalformedRow{"VcardNotClosed", "a.vcf", "BEGIN:VCARD\nFN:Bo\nTEL:12\nEND:VCARD\nBEGIN:VCARD\nFN:Cy\n",
                     "line 5: BEGIN:VCARD without END:VCARD"},
        MalformedRow{"JsonSyntax", "a.json", "{\"slots\": [\n  {\"id\": \"01\",}\n]}",
                     "line 2: expected a quoted key in an object"},
        MalformedRow{"JsonKind", "a.json", "{\"slots\": [\n\n  {\"id\": \"01\", \"kind\": \"x\"}]}",
                     "line 3: unknown kind \"x\" (empty, individual or group)"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace clitest
