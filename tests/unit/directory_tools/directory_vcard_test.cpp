// vCards as address books write them, and the cards of a directory read back.
#include "directorytools/directory_vcard.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

PortableDirectory Parsed(const std::string& text) {
    PortableDirectory directory;
    std::string error;
    EXPECT_TRUE(ParseDirectoryVcard(text, &directory, &error)) << error;
    return directory;
}

TEST(DirectoryVcard, ContactsStyleCardTakesTheFaxNumber) {
    const PortableDirectory directory = Parsed(
        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:M\xC3\xBCller;Hans;;;\r\nFN:Hans M\xC3\xBCller\r\n"
        "TEL;type=CELL;type=VOICE;type=pref:0170 1234\r\nitem1.TEL;type=FAX;type=WORK:+49 30 1234567\r\n"
        "END:VCARD\r\n");
    ASSERT_EQ(directory.entries.size(), 1u);
    EXPECT_EQ(directory.entries[0].id, "");
    EXPECT_EQ(directory.entries[0].kind, EntryKind::Individual);
    EXPECT_EQ(directory.entries[0].name, u"Hans M\u00FCller");
    EXPECT_EQ(directory.entries[0].number, u"+49 30 1234567");
    EXPECT_EQ(directory.entries[0].line, 1u);
}

TEST(DirectoryVcard, Version21QuotedPrintableNameFromN) {
    const PortableDirectory directory = Parsed(
        "BEGIN:VCARD\nVERSION:2.1\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=96zt=C3=BCrk;Ay=\n=C5=9Fe\n"
        "TEL;HOME:030-666\nTEL;WORK;FAX:030-555\nEND:VCARD\n"
        "BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=ISO-8859-1:Jos\xE9\nTEL:1\nEND:VCARD\n");
    ASSERT_EQ(directory.entries.size(), 2u);
    EXPECT_EQ(directory.entries[0].name, u"Ay\u015Fe \u00D6zt\u00FCrk");
    EXPECT_EQ(directory.entries[0].number, u"030-555");
    EXPECT_EQ(directory.entries[1].name, u"Jos\u00E9");
    EXPECT_EQ(directory.entries[1].line, 8u);
}

TEST(DirectoryVcard, Version40FoldedLinesAndTelUris) {
    const PortableDirectory directory = Parsed(
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bartholomew\r\n  Longname\r\n"
        "TEL;TYPE=\"voice,home\";VALUE=uri:tel:+1-555-0100\r\n"
        "TEL;TYPE=\"fax,work\";VALUE=uri:tel:+1-555-0199\r\nEND:VCARD\r\n");
    ASSERT_EQ(directory.entries.size(), 1u);
    EXPECT_EQ(directory.entries[0].name, u"Bartholomew Longname");
    EXPECT_EQ(directory.entries[0].number, u"+1-555-0199");
}

TEST(DirectoryVcard, WrittenCardsReadBackTheWholeDirectory) {
    PortableDirectory directory;
    directory.entries = {{"*00", EntryKind::Empty, u"", u"", {}, 0},
                         {"01", EntryKind::Individual, u"B\u00F6, ; \\x", u"12p3", {}, 0},
                         {"02", EntryKind::Group, u"G", u"", {"01", "*00"}, 0},
                         {"03", EntryKind::Individual, std::u16string(40, u'\u00E9'), u"4", {}, 0}};
    directory.sender = PortableSender{u"Al", u"+5", 0};
    directory.rejects = {{"01", u"99", 0}, {"02", u"", 0}};
    const std::string text = DirectoryVcard(directory);
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        EXPECT_LE(end - start, 75u) << text.substr(start, end - start);
    }
    const PortableDirectory back = Parsed(text);
    ASSERT_EQ(back.entries.size(), 3u);  // no card for the empty slot
    EXPECT_EQ(back.entries[0].id, "01");
    EXPECT_EQ(back.entries[0].name, directory.entries[1].name);
    EXPECT_EQ(back.entries[0].number, u"12p3");
    EXPECT_EQ(back.entries[1].kind, EntryKind::Group);
    EXPECT_EQ(back.entries[1].members, directory.entries[2].members);
    EXPECT_EQ(back.entries[2].name, directory.entries[3].name);
    ASSERT_TRUE(back.sender);
    EXPECT_EQ(back.sender->number, u"+5");
    ASSERT_EQ(back.rejects.size(), 1u);
    EXPECT_EQ(back.rejects[0].id, "01");
    EXPECT_EQ(back.rejects[0].number, u"99");
}

struct BadCardRow {
    const char* label;
    std::string text;
    std::string error;
};

void PrintTo(const BadCardRow& row, std::ostream* os) {
    *os << row.label;
}

class DirectoryVcardErrors : public ::testing::TestWithParam<BadCardRow> {};

TEST_P(DirectoryVcardErrors, NameTheLine) {
    PortableDirectory directory;
    std::string error;
    EXPECT_FALSE(ParseDirectoryVcard(GetParam().text, &directory, &error));
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DirectoryVcardErrors,
    ::testing::Values(BadCardRow{"Empty", "", "line 1: the file holds no vCard"},
                      BadCardRow{"NotClosed", "BEGIN:VCARD\nFN:A\n\nBEGIN:VCARD\n",
                                 "line 1: BEGIN:VCARD without END:VCARD"},
                      BadCardRow{"Outside", "BEGIN:VCARD\nFN:A\nEND:VCARD\nFN:B\n",
                                 "line 4: a property outside BEGIN:VCARD and END:VCARD"},
                      BadCardRow{"NoColon", "BEGIN:VCARD\nFN A\nEND:VCARD\n", "line 2: a line without \":\""},
                      BadCardRow{"NotUtf8", "BEGIN:VCARD\nVERSION:3.0\nFN:Jos\xE9\nEND:VCARD\n",
                                 "line 3: the text is not valid UTF-8"},
                      BadCardRow{"EndFirst", "END:VCARD\n", "line 1: END:VCARD without BEGIN:VCARD"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace orvane
