// Fitting a directory from a file into a printer's slots with the input rules of the window's fields.
#include "directorytools/directory_fit.h"
#include "directorytools/directory_csv.h"
#include "remote_setup_fixtures.h"
#include "remotesetup/text_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

using namespace testing_support;

// The example printer ("*00", "01", "02", one reject slot) with names and numbers of up to 10
// characters and the given keycode type; Working holds the example directory.
class Fit : public ::testing::Test {
  protected:
    void SetUp() override { SetUpPrinter("type2"); }

    void SetUpPrinter(std::string_view keycode_type) {
        Prepare(setup_,
                ExampleTexts({{kKeycodeType, keycode_type},
                              {kMaxName, "10"},
                              {kCurName, "10"},
                              {kMaxTel, "10"},
                              {kCurTel, "10"}}),
                {DirectoryCopy::Working});
        FillExample(Working());
    }

    DirectoryData& Working() { return *setup_.Copy(DirectoryCopy::Working); }
    DialEntry& Entry(std::string_view id) {
        for (DialEntry& entry : Working().entries) {
            if (FieldText(entry.slot_id) == id) return entry;
        }
        ADD_FAILURE() << "no slot " << id;
        return Working().entries[0];
    }
    std::u16string Name(std::string_view id) { return DeviceNameToUtf16(FieldText(Entry(id).name)); }
    std::string Number(std::string_view id) { return std::string(FieldText(Entry(id).number)); }

    FitReport Run(const PortableDirectory& source, FitMode mode = FitMode::Merge) {
        FitReport report;
        EXPECT_EQ(FitIntoWorking(source, mode, setup_, &report), rs::kSuccess);
        return report;
    }

    static PortableEntry Individual(std::string id, std::u16string name, std::u16string number,
                                    std::size_t line = 0) {
        return {std::move(id), EntryKind::Individual, std::move(name), std::move(number), {}, line};
    }

    CRSUFuncRemoteSetup setup_;
};

TEST_F(Fit, NamesAreFoldedAndCutAsTypingThemWould) {
    PortableDirectory source;
    source.entries = {Individual("01", u"\uFF22\uFF4F \uFF11", u"12", 3),
                      Individual("02", u"Bartholomew", u"34", 4), Individual("*00", u"Zoë~\\", u"56", 5)};
    const FitReport report = Run(source);
    EXPECT_EQ(Name("01"), u"Bo 1");
    EXPECT_EQ(Name("02"), u"Bartholome");
    EXPECT_EQ(Name("*00"), u"Zoë");  // tilde and backslash have no row
    EXPECT_EQ(report.Text(),
              "line 3, slot 01: name \"\xEF\xBC\xA2\xEF\xBD\x8F \xEF\xBC\x91\" was changed to \"Bo 1\"\n"
              "line 4, slot 02: name \"Bartholomew\" was cut to 10 characters: \"Bartholome\"\n"
              "line 5, slot *00: name \"Zo\xC3\xAB~\\\" was changed to \"Zo\xC3\xAB\"\n");
}

// The same printer with the kana keycode set.
class KanaFit : public Fit {
  protected:
    void SetUp() override { SetUpPrinter("type1"); }
};

TEST_F(KanaFit, FoldsKanaAndRefusesAccentedLetters) {
    PortableDirectory source;
    source.entries = {Individual("01", u"\u30AC\u304B", u"12"), Individual("02", u"Zo\u00EB", u"34")};
    const FitReport report = Run(source);
    EXPECT_EQ(Name("01"), u"\uFF76\uFF9E\uFF76");
    EXPECT_EQ(Name("02"), u"Zo");
    EXPECT_EQ(report.notes.size(), 2u);
}

TEST_F(Fit, NumbersAreTidiedAndCut) {
    PortableDirectory source;
    source.entries = {Individual("01", u"Bo", u"12P34pp"), Individual("02", u"Cy", u" p1-2(3)\uFF14"),
                      Individual("*00", u"Di", u"12345678901234")};
    source.sender = PortableSender{u"Al", u"+49 30*#1", 7};
    source.rejects = {{"01", u"*31#T 9", 8}};
    const FitReport report = Run(source);
    EXPECT_EQ(Number("01"), "12p34PP");
    EXPECT_EQ(Number("02"), "1234");
    EXPECT_EQ(Number("*00"), "1234567890");
    EXPECT_EQ(FieldText(Working().sender.number), "+49 ");  // the sender number holds 4 characters
    EXPECT_EQ(FieldText(Working().rejects[0].number), "*31#");
    EXPECT_EQ(report.notes.size(), 5u) << report.Text();
}

TEST_F(Fit, EntriesWithoutSlotTakeFreeOneTouchSlotsFirstThenCoded) {
    PortableDirectory source;
    source.entries = {{"02", EntryKind::Empty, u"", u"", {}, 1},
                      Individual("", u"Ann", u"1", 2),
                      Individual("", u"Ben", u"2", 3),
                      Individual("", u"Cat", u"3", 4)};
    const FitReport report = Run(source);
    // "01" holds Bo and the source itself names "02", so Ann takes the coded slot "*00"; Ben and
    // Cat find no free slot.
    EXPECT_EQ(Name("01"), u"Bo");
    EXPECT_EQ(Entry("02").kind, EntryKind::Empty);
    EXPECT_EQ(Name("*00"), u"Ann");
    EXPECT_EQ(report.Text(),
              "line 3: \"Ben\" could not be placed: no free slot is left\n"
              "line 4: \"Cat\" could not be placed: no free slot is left\n");
}

TEST_F(Fit, AnEntryWithoutSlotOrNumberTakesNoSlot) {
    PortableDirectory source;
    source.entries = {Individual("", u"Ann", u"-", 2), Individual("", u"Ben", u"2", 3)};
    const FitReport report = Run(source);
    EXPECT_EQ(Name("*00"), u"Ben");
    EXPECT_EQ(report.Text(), "line 2: \"Ann\" was not placed: it has no number the printer accepts\n");
}

TEST_F(Fit, ReplaceEmptiesEverythingFirstSoOneTouchSlotsComeBeforeCoded) {
    PortableDirectory source;
    source.entries = {Individual("", u"Ann", u"1"), Individual("", u"Ben", u"2"),
                      Individual("", u"Cat", u"3")};
    const FitReport report = Run(source, FitMode::Replace);
    EXPECT_TRUE(report.Clean()) << report.Text();
    EXPECT_EQ(Name("01"), u"Ann");
    EXPECT_EQ(Name("02"), u"Ben");
    EXPECT_EQ(Name("*00"), u"Cat");
    EXPECT_EQ(FieldText(Working().sender.name), "");  // not in the source
    EXPECT_EQ(FieldText(Working().rejects[0].number), "");
}

TEST_F(Fit, MergeKeepsWhatTheSourceDoesNotName) {
    PortableDirectory source;
    source.entries = {Individual("*00", u"Ann", u"1")};
    EXPECT_TRUE(Run(source).Clean());
    EXPECT_EQ(Name("01"), u"Bo");
    EXPECT_EQ(Entry("02").kind, EntryKind::Group);
    EXPECT_EQ(FieldText(Working().sender.name), "Al");
    EXPECT_EQ(FieldText(Working().rejects[0].number), "99");
}

TEST_F(Fit, UnknownAndRepeatedSlotsAreReported) {
    PortableDirectory source;
    source.entries = {Individual("05", u"Ann", u"1", 2), Individual("01", u"Ben", u"2", 3),
                      Individual("01", u"Cat", u"3", 4), Individual("02", u"Dan", u"", 5)};
    source.rejects = {{"02", u"7", 6}};
    const FitReport report = Run(source);
    EXPECT_EQ(Name("01"), u"Ben");
    EXPECT_EQ(Entry("02").kind, EntryKind::Empty);
    EXPECT_EQ(report.Text(),
              "line 2: \"Ann\" could not be placed: this printer has no slot 05\n"
              "line 4, slot 01: could not be placed: the slot is given twice\n"
              "line 5, slot 02: has no number the printer accepts; the slot was left empty\n"
              "line 6: rejected number \"7\" could not be placed: this printer has no reject slot 02\n");
}

TEST_F(Fit, GroupMembersAreSortedAndUnknownOnesDropped) {
    PortableDirectory source;
    source.entries = {{"02", EntryKind::Group, u"G", u"", {"*00", "07", "01", "01"}, 9}};
    const FitReport report = Run(source);
    const DialEntry& group = Entry("02");
    ASSERT_EQ(group.member_count, 2);
    EXPECT_EQ(FieldText(group.members[0]), "01");
    EXPECT_EQ(FieldText(group.members[1]), "*00");
    EXPECT_EQ(FieldText(group.members[2]), "");
    EXPECT_EQ(report.Text(),
              "line 9, slot 02: member 07 was dropped: this printer has no such slot\n"
              "line 9, slot 02: member 01 is given twice\n");
}

TEST_F(Fit, UnchangedTextsKeepTheirStoredBytes) {
    // The printer holds a number no one could type (a leading pause) and a name byte without a row.
    StoreText(Entry("01").number, "p12");
    StoreText(Entry("01").name, "B\x9C");
    PortableDirectory source;
    source.entries = {Individual("01", u"B\uFFFD", u"p12"), Individual("02", u"Cy", u"p12")};
    const FitReport report = Run(source);
    EXPECT_EQ(FieldText(Entry("01").name), "B\x9C");
    EXPECT_EQ(Number("01"), "p12");
    EXPECT_EQ(Number("02"), "12");
    EXPECT_EQ(report.Text(), "slot 02: number \"p12\" was changed to \"12\"\n");
}

// Where a part of the source went and how; the window's report shows these.
struct ItemRow {
    std::size_t line;
    FitPart part;
    std::string slot;
    std::u16string name;
    std::u16string number;
    FitOutcome outcome;
    bool operator==(const ItemRow&) const = default;
};

void PrintTo(const ItemRow& row, std::ostream* os) {
    *os << "line " << row.line << " slot " << row.slot << " " << Utf16ToUtf8(row.name) << " "
        << Utf16ToUtf8(row.number) << " outcome " << static_cast<int>(row.outcome);
}

TEST_F(Fit, EveryPartOfTheSourceIsReportedWithItsOutcome) {
    PortableDirectory source;
    source.entries = {Individual("", u"Ann", u"1", 2), Individual("01", u"Bartholomew", u"12", 3),
                      Individual("02", u"Zo\u00EB~", u"3-4", 4), Individual("05", u"Dan", u"5", 5)};
    source.sender = PortableSender{u"Al", u"5", 6};
    source.rejects = {{"", u"7", 7}};
    const FitReport report = Run(source);
    std::vector<ItemRow> items;
    for (const FitItem& item : report.items)
        items.push_back({item.line, item.part, item.slot, item.name, item.number, item.outcome});
    EXPECT_EQ(items, (std::vector<ItemRow>{
                         {2, FitPart::Dial, "*00", u"Ann", u"1", FitOutcome::Placed},
                         {3, FitPart::Dial, "01", u"Bartholome", u"12", FitOutcome::Cut},
                         {4, FitPart::Dial, "02", u"Zo\u00EB", u"34", FitOutcome::Changed},
                         {5, FitPart::Dial, "05", u"Dan", u"5", FitOutcome::NotPlaced},
                         {6, FitPart::Sender, "", u"Al", u"5", FitOutcome::Placed},
                         {7, FitPart::Reject, "", u"", u"7", FitOutcome::NotPlaced},
                     }));
    std::vector<std::pair<FitIssue, std::size_t>> notes;
    for (const FitNote& note : report.notes) notes.emplace_back(note.issue, note.item);
    EXPECT_EQ(notes, (std::vector<std::pair<FitIssue, std::size_t>>{{FitIssue::NameCut, 1},
                                                                    {FitIssue::NameChanged, 2},
                                                                    {FitIssue::NumberChanged, 2},
                                                                    {FitIssue::NoSuchSlot, 3},
                                                                    {FitIssue::NoFreeSlot, 5}}));
    EXPECT_EQ(report.notes[0].given, u"Bartholomew");
    EXPECT_EQ(report.notes[0].stored, u"Bartholome");
    EXPECT_EQ(report.notes[0].limit, 10u);
    EXPECT_EQ(report.notes[3].given, u"05");
}

TEST(FitDirectoryCopy, LeavesWorkingAsItWas) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts({}), {DirectoryCopy::Working});
    FillExample(*setup.Copy(DirectoryCopy::Working));
    const std::string before = DirectoryCsv(ToPortable(*setup.Copy(DirectoryCopy::Working)));
    PortableDirectory source;
    source.entries = {{"*00", EntryKind::Individual, u"Ann", u"1", {}, 1}};
    DirectoryData fitted;
    FitReport report;
    ASSERT_EQ(FitDirectory(source, FitMode::Merge, setup, &fitted, &report), rs::kSuccess);
    EXPECT_EQ(DeviceNameToUtf16(FieldText(fitted.entries[0].name)), u"Ann");
    EXPECT_EQ(DirectoryCsv(ToPortable(*setup.Copy(DirectoryCopy::Working))), before);
}

TEST(FitWithoutWorking, IsRefused) {
    CRSUFuncRemoteSetup setup;
    FitReport report;
    EXPECT_EQ(FitIntoWorking({}, FitMode::Merge, setup, &report), rs::kMissingBuffer);
}

}  // namespace
}  // namespace orvane
