// Contact lists exported by address books, read as CSV: the columns recognised by their headers or
// named by the user, any of the usual separators and text encodings.
#include "directorytools/directory_csv.h"
#include "remotesetup/text_codec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using Contacts = std::vector<std::pair<std::u16string, std::u16string>>;

// Every row of the tables below is named by its label.
template <typename Row>
requires requires(const Row& row) {
    row.label;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.label;
}

// Reads `text` and returns each entry's name and number; every entry takes a free slot.
Contacts Read(std::string_view text, const CsvColumns* columns = nullptr) {
    PortableDirectory directory;
    std::vector<std::string> headers;
    std::string error;
    EXPECT_EQ(ReadDirectoryCsv(text, columns, &directory, &headers, &error), CsvOutcome::Read) << error;
    Contacts contacts;
    for (const PortableEntry& entry : directory.entries) {
        EXPECT_EQ(entry.id, "");
        EXPECT_EQ(entry.kind, EntryKind::Individual);
        contacts.emplace_back(entry.name, entry.number);
    }
    return contacts;
}

struct ExportRow {
    const char* label;
    std::string text;
    Contacts contacts;
};

class AddressBookExports : public ::testing::TestWithParam<ExportRow> {};

TEST_P(AddressBookExports, GiveNameAndFaxNumberOfEachContact) {
    EXPECT_EQ(Read(GetParam().text), GetParam().contacts);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, AddressBookExports,
    ::testing::Values(
        ExportRow{"Outlook",
                  "\"First Name\",\"Middle Name\",\"Last Name\",\"Company\",\"Business Fax\","
                  "\"Business Phone\",\"Home Phone\"\r\n"
                  "\"Anna\",\"\",\"Berg\",\"Acme\",\"030 111\",\"030 222\",\"\"\r\n"
                  "\"Bo\",\"\",\"Carl\",\"\",\"\",\"040 333\",\"040 444\"\r\n"
                  "\"\",\"\",\"\",\"Dot Ltd\",\"050 1\",\"\",\"\"\r\n",
                  {{u"Anna Berg", u"030 111"}, {u"Bo Carl", u"040 333"}, {u"Dot Ltd", u"050 1"}}},
        ExportRow{"OutlookGerman",
                  "Vorname;Nachname;Firma;Fax gesch\xC3\xA4"
                  "ftlich;Telefon gesch\xC3\xA4"
                  "ftlich\n"
                  "Anna;Berg;;;030 222\n",
                  {{u"Anna Berg", u"030 222"}}},
        ExportRow{"GoogleContacts",
                  "First Name,Middle Name,Last Name,Organization Name,Phone 1 - Label,Phone 1 - Value,"
                  "Phone 2 - Label,Phone 2 - Value\n"
                  "Anna,,Berg,,Mobile,0170 1,Work Fax,030 111 ::: 030 112\n"
                  "Bo,,,,Work,040 333,,\n",
                  {{u"Anna Berg", u"030 111"}, {u"Bo", u"040 333"}}},
        ExportRow{"GoogleContactsOld",
                  "Name,Given Name,Family Name,Phone 1 - Type,Phone 1 - Value\n"
                  "Dr. Anna Berg,Anna,Berg,Home Fax,030 111\n",
                  {{u"Dr. Anna Berg", u"030 111"}}},
        ExportRow{
            "Thunderbird",
            "First Name,Last Name,Display Name,Nickname,Primary Email,Work Phone,Home Phone,Fax Number\n"
            "Anna,Berg,Anna B.,,a@example.org,030 222,,030 111\n"
            "Bo,Carl,,,,040 333,,\n",
            {{u"Anna B.", u"030 111"}, {u"Bo Carl", u"040 333"}}},
        ExportRow{"ShortAndEmptyRows",
                  "Name,Business Fax,Notes\n"
                  "Anna,1\n"
                  ",,a note\n"
                  "Bo,,\n",
                  {{u"Anna", u"1"}, {u"Bo", u""}}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(AddressBookCsv, ContactsKeepTheirLines) {
    PortableDirectory directory;
    std::vector<std::string> headers;
    std::string error;
    ASSERT_EQ(
        ReadDirectoryCsv("Name,Fax\n\nAnna,1\n\"Bo\nCarl\",2\nCy,3\n", nullptr, &directory, &headers, &error),
        CsvOutcome::Read);
    ASSERT_EQ(directory.entries.size(), 3u);
    EXPECT_EQ(directory.entries[0].line, 3u);
    EXPECT_EQ(directory.entries[1].line, 4u);
    EXPECT_EQ(directory.entries[2].line, 6u);
    EXPECT_EQ(headers, (std::vector<std::string>{"Name", "Fax"}));
}

struct UnknownRow {
    const char* label;
    std::string text;
    std::vector<std::string> headers;
};

class UnrecognisedColumns : public ::testing::TestWithParam<UnknownRow> {};

TEST_P(UnrecognisedColumns, AreLeftToTheUser) {
    PortableDirectory directory;
    std::vector<std::string> headers;
    std::string error;
    EXPECT_EQ(ReadDirectoryCsv(GetParam().text, nullptr, &directory, &headers, &error),
              CsvOutcome::ColumnsUnknown);
    EXPECT_EQ(headers, GetParam().headers);
    EXPECT_EQ(error, "line 1: the columns of the name and the fax number are not recognised");
    EXPECT_TRUE(directory.entries.empty());
    EXPECT_FALSE(ParseDirectoryCsv(GetParam().text, &directory, &error));
}

INSTANTIATE_TEST_SUITE_P(
    Headers, UnrecognisedColumns,
    ::testing::Values(UnknownRow{"NeitherKnown", "Kontakt,Rufnummer\nAnna,1\n", {"Kontakt", "Rufnummer"}},
                      UnknownRow{"NoNumber", " Name ,E-mail\nAnna,a@b\n", {"Name", "E-mail"}},
                      UnknownRow{"NoName", "Notes;Business Fax\nx;1\n", {"Notes", "Business Fax"}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(AddressBookCsv, ChosenColumnsGiveNameAndNumber) {
    const CsvColumns columns{"kontakt ", "RUFNUMMER"};
    EXPECT_EQ(Read("Kontakt,Rufnummer,Name,Fax\nAnna,1,x,2\n", &columns), (Contacts{{u"Anna", u"1"}}));
}

TEST(AddressBookCsv, ChosenColumnsMustBeInTheHeader) {
    const CsvColumns columns{"Name", "Telefon"};
    PortableDirectory directory;
    std::vector<std::string> headers;
    std::string error;
    EXPECT_EQ(ReadDirectoryCsv("Kontakt,Rufnummer\nAnna,1\n", &columns, &directory, &headers, &error),
              CsvOutcome::Refused);
    EXPECT_EQ(error, "line 1: the header has no column \"Name\"");
}

TEST(AddressBookCsv, ARowLongerThanTheHeaderIsRefused) {
    PortableDirectory directory;
    std::vector<std::string> headers;
    std::string error;
    EXPECT_EQ(ReadDirectoryCsv("Name,Fax\nAnna,1\nBo,2,3\n", nullptr, &directory, &headers, &error),
              CsvOutcome::Refused);
    EXPECT_EQ(error, "line 3: 3 fields where the header has 2");
}

struct SeparatorRow {
    const char* label;
    std::string text;
};

class Separators : public ::testing::TestWithParam<SeparatorRow> {};

TEST_P(Separators, AreTakenFromTheHeader) {
    EXPECT_EQ(Read(GetParam().text), (Contacts{{u"Berg, Anna", u"030 1"}, {u"Bo; Carl", u"2"}}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Separators,
    ::testing::Values(
        SeparatorRow{"Comma", "Display Name,Notes,Fax\n\"Berg, Anna\",a;b,030 1\nBo; Carl,,2\n"},
        SeparatorRow{"Semicolon", "Display Name;Notes;Fax\n\"Berg, Anna\";a,b;030 1\n\"Bo; Carl\";;2\n"},
        SeparatorRow{"Tab", "Display Name\tNotes\tFax\nBerg, Anna\ta;b,c\t030 1\nBo; Carl\t\t2\n"}),
    [](const auto& info) { return std::string(info.param.label); });

// The text "Name,Fax\nJürgen Müller €,1\n" in each encoding address books save in.
struct EncodingRow {
    const char* label;
    std::string bytes;
};

std::string Utf16Bytes(std::u16string_view text, bool big_endian) {
    std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += big_endian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

constexpr std::u16string_view kContacts = u"Name,Fax\r\nJ\u00FCrgen M\u00FCller \u20AC,1\r\n";

class Encodings : public ::testing::TestWithParam<EncodingRow> {
  protected:
    // Under a UTF-8 locale the 8-bit code page is Windows-1252.
    void SetUp() override { setenv("LC_ALL", "C.UTF-8", 1); }
    void TearDown() override { unsetenv("LC_ALL"); }
};

TEST_P(Encodings, AreRecognisedByTheirBytes) {
    EXPECT_EQ(Read(GetParam().bytes), (Contacts{{u"J\u00FCrgen M\u00FCller \u20AC", u"1"}}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Encodings,
    ::testing::Values(EncodingRow{"Utf8", Utf16ToUtf8(kContacts)},
                      EncodingRow{"Utf8WithBom", "\xEF\xBB\xBF" + Utf16ToUtf8(kContacts)},
                      EncodingRow{"Utf16LittleEndian", Utf16Bytes(kContacts, false)},
                      EncodingRow{"Utf16BigEndian", Utf16Bytes(kContacts, true)},
                      EncodingRow{"Windows1252", "Name,Fax\r\nJ\xFCrgen M\xFCller \x80,1\r\n"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(OwnCsv, StaysUtf8Only) {
    PortableDirectory directory;
    std::string error;
    EXPECT_FALSE(
        ParseDirectoryCsv("slot,kind,name,number,members\n01,individual,B\xF6,12,\n", &directory, &error));
    EXPECT_EQ(error, "line 2: the text is not valid UTF-8");
}

TEST(OwnCsv, IsReadFromUtf16Too) {
    PortableDirectory directory;
    std::string error;
    ASSERT_TRUE(ParseDirectoryCsv(
        Utf16Bytes(u"slot\tkind\tname\tnumber\tmembers\n01\t\tB\u00F6\t12\t\n", false), &directory, &error))
        << error;
    ASSERT_EQ(directory.entries.size(), 1u);
    EXPECT_EQ(directory.entries[0].id, "01");
    EXPECT_EQ(directory.entries[0].name, u"B\u00F6");
}

}  // namespace
}  // namespace orvane
