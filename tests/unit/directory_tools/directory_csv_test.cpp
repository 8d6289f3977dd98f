// The CSV form of a directory: what a spreadsheet saves, read back with the line of every problem.
#include "directorytools/directory_csv.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

TEST(DirectoryCsv, WritesHeaderSlotsSenderAndRejectedRows) {
    PortableDirectory directory;
    directory.entries = {{"*00", EntryKind::Empty, u"", u"", {}, 0},
                         {"01", EntryKind::Individual, u"Bö, \"B\"", u"12", {}, 0},
                         {"02", EntryKind::Group, u"G", u"", {"01", "*00"}, 0}};
    directory.sender = PortableSender{u"Al", u"5", 0};
    directory.rejects = {{"01", u"99", 0}};
    EXPECT_EQ(DirectoryCsv(directory),
              "slot,kind,name,number,members\r\n"
              "*00,empty,,,\r\n"
              "01,individual,\"B\xC3\xB6, \"\"B\"\"\",12,\r\n"
              "02,group,G,,01 *00\r\n"
              ",sender,Al,5,\r\n"
              "01,rejected,,99,\r\n");
}

TEST(DirectoryCsv, ReadsWhatSpreadsheetsSave) {
    // A byte-order mark, semicolons, columns in another order and case, a quoted line break, blank
    // lines and a blank kind.
    const std::string text =
        "\xEF\xBB\xBFName;SLOT;kind;Number;Members\n"
        "\"Bo\nSmith\";01;individual;12;\n"
        "\n"
        "G;02;;;01 *00\n"
        "Al;;sender;5;\n"
        ";01;rejected;99;\n"
        "Cy;;;34;\n"
        "Ed;;;;\n";
    PortableDirectory directory;
    std::string error;
    ASSERT_TRUE(ParseDirectoryCsv(text, &directory, &error)) << error;
    ASSERT_EQ(directory.entries.size(), 4u);
    EXPECT_EQ(directory.entries[3].kind, EntryKind::Individual);  // a name alone: reported when fitted
    EXPECT_EQ(directory.entries[0].id, "01");
    EXPECT_EQ(directory.entries[0].name, u"Bo\nSmith");
    EXPECT_EQ(directory.entries[0].line, 2u);
    EXPECT_EQ(directory.entries[1].kind, EntryKind::Group);
    EXPECT_EQ(directory.entries[1].members, (std::vector<std::string>{"01", "*00"}));
    EXPECT_EQ(directory.entries[1].line, 5u);
    EXPECT_EQ(directory.entries[2].id, "");
    EXPECT_EQ(directory.entries[2].kind, EntryKind::Individual);
    ASSERT_TRUE(directory.sender);
    EXPECT_EQ(directory.sender->name, u"Al");
    ASSERT_EQ(directory.rejects.size(), 1u);
    EXPECT_EQ(directory.rejects[0].number, u"99");
}

TEST(DirectoryCsv, WrittenTextReadsBackTheSame) {
    PortableDirectory directory;
    directory.entries = {{"01", EntryKind::Individual, u" lead, \"q\"\r\nx ", u"1p2", {}, 0},
                         {"02", EntryKind::Group, u"G", u"", {"01"}, 0}};
    directory.sender = PortableSender{u"", u"", 0};
    PortableDirectory back;
    std::string error;
    ASSERT_TRUE(ParseDirectoryCsv(DirectoryCsv(directory), &back, &error)) << error;
    ASSERT_EQ(back.entries.size(), 2u);
    EXPECT_EQ(back.entries[0].name, directory.entries[0].name);
    EXPECT_EQ(back.entries[0].number, u"1p2");
    EXPECT_EQ(back.entries[1].members, directory.entries[1].members);
    EXPECT_TRUE(back.sender);
}

TEST(DirectoryCsv, SpacesAroundANumberGoUnlessTheFieldIsQuoted) {
    // A number the printer holds with a space after its pause must not come back as another one.
    PortableDirectory stored;
    stored.entries = {{"01", EntryKind::Individual, u"", u"1p ", {}, 0}};
    PortableDirectory back;
    std::string error;
    ASSERT_TRUE(ParseDirectoryCsv(DirectoryCsv(stored), &back, &error)) << error;
    ASSERT_EQ(back.entries.size(), 1u);
    EXPECT_EQ(back.entries[0].number, u"1p ");

    PortableDirectory typed;
    ASSERT_TRUE(
        ParseDirectoryCsv("slot,kind,name,number,members\n01,,A, 12 ,\n02,,B,\" 34 \",\n", &typed, &error))
        << error;
    ASSERT_EQ(typed.entries.size(), 2u);
    EXPECT_EQ(typed.entries[0].number, u"12");
    EXPECT_EQ(typed.entries[1].number, u" 34 ");
}

struct BadCsvRow {
    const char* label;
    std::string text;
    std::string error;
};

void PrintTo(const BadCsvRow& row, std::ostream* os) {
    *os << row.label;
}

class DirectoryCsvErrors : public ::testing::TestWithParam<BadCsvRow> {};

TEST_P(DirectoryCsvErrors, NameTheLine) {
    PortableDirectory directory;
    std::string error;
    EXPECT_FALSE(ParseDirectoryCsv(GetParam().text, &directory, &error));
    EXPECT_EQ(error, GetParam().error);
}

const std::string kHeader = "slot,kind,name,number,members\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, DirectoryCsvErrors,
    ::testing::Values(
        BadCsvRow{"Empty", "", "line 1: the file is empty; it needs a header row"},
        BadCsvRow{
            "MissingColumn", "slot,kind,name,number\n",
            "line 1: the header has no column \"members\" (it needs slot, kind, name, number and members)"},
        BadCsvRow{"UnknownColumn", "slot,kind,name,number,members,email\n",
                  "line 1: unknown column \"email\""},
        BadCsvRow{"TwiceColumn", "slot,kind,name,number,Name\n", "line 1: the column \"name\" appears twice"},
        BadCsvRow{"FieldCount", kHeader + "01,individual,Bo,12,\n02,individual,Cy\n",
                  "line 3: 3 fields where the header has 5"},
        BadCsvRow{"UnclosedQuote", kHeader + "01,individual,\"Bo,12,\n\n",
                  "line 2: a quoted field is not closed"},
        BadCsvRow{"TextAfterQuote", kHeader + "01,individual,\"Bo\"x,12,\n",
                  "line 2: expected a separator after a quoted field"},
        BadCsvRow{"UnknownKind", kHeader + "\n01,person,Bo,12,\n",
                  "line 3: unknown kind \"person\" (empty, individual, group, sender or rejected)"},
        BadCsvRow{"NotUtf8", kHeader + "01,individual,B\xF6,12,\n", "line 2: the text is not valid UTF-8"},
        BadCsvRow{"TwoSenders", kHeader + ",sender,A,1,\n,sender,B,2,\n", "line 3: a second sender row"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace orvane
