// check on hand-made broken directories: each problem is found, and found once.
#include "directorytools/directory_check.h"
#include "directorytools/directory_new_problems.h"
#include "remote_setup_fixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

using namespace testing_support;

// The example printer with four one-touch slots; names and numbers of up to 4 characters.
DeviceCapability Capability(std::string_view keycode_type = "type2") {
    DeviceCapability capability;
    EXPECT_EQ(ParseCapability(
                  ExampleTexts({{kMaxOneTouch, "4"}, {kCurOneTouch, "4"}, {kKeycodeType, keycode_type}}),
                  &capability),
              rs::kSuccess);
    return capability;
}

PortableEntry Individual(std::string id, std::u16string name, std::u16string number) {
    return {std::move(id), EntryKind::Individual, std::move(name), std::move(number), {}, 0};
}

PortableEntry Group(std::string id, std::u16string name, std::vector<std::string> members) {
    return {std::move(id), EntryKind::Group, std::move(name), u"", std::move(members), 0};
}

PortableEntry Empty(std::string id) {
    return {std::move(id), EntryKind::Empty, u"", u"", {}, 0};
}

std::vector<std::string> Texts(const std::vector<DirectoryProblem>& problems) {
    std::vector<std::string> texts;
    for (const DirectoryProblem& problem : problems)
        texts.push_back(problem.kind + " " + problem.slot + ": " + problem.text);
    return texts;
}

TEST(CheckDirectory, ACleanDirectoryHasNoProblems) {
    PortableDirectory directory;
    directory.entries = {Empty("*00"), Individual("01", u"Bo", u"12"), Group("02", u"G", {"01"}), Empty("03"),
                         Empty("04")};
    directory.sender = PortableSender{u"Al", u"+5", 0};
    directory.rejects = {{"01", u"99", 0}};
    EXPECT_TRUE(CheckDirectory(Capability(), directory).empty());
}

TEST(CheckDirectory, FindsEachProblemOnce) {
    PortableDirectory directory;
    directory.entries = {Empty("*00"), Individual("01", u"Bo", u"12"), Individual("02", u"C~y", u"12"),
                         Group("03", u"G", {"*00", "01", "04"}), Group("04", u"H", {})};
    directory.sender = PortableSender{u"Al", u"p5", 0};
    directory.rejects = {{"01", u"99 99", 0}};
    EXPECT_EQ(Texts(CheckDirectory(Capability(), directory)),
              (std::vector<std::string>{
                  "name-refused 02: 02: the name \"C~y\" is not one the printer's rules accept",
                  "empty-member 03: group 03 \"G\": member *00 names an empty slot",
                  "group-without-members 04: group 04 \"H\" has no members",
                  "duplicate-number 01: the number \"12\" is in the slots 01 and 02",
                  "number-refused sender: sender: the number \"p5\" is not one the printer's rules accept",
                  "number-refused rejected 01: rejected 01: the number \"99 99\" is not one the printer's "
                  "rules accept",
              }));
}

TEST(CheckDirectory, RulesFollowTheKeycodeSetAndTheLimits) {
    PortableDirectory directory;
    directory.entries = {Individual("01", u"Zo\u00EB", u"12"), Individual("02", u"Ann", u"12345"),
                         Individual("03", u"\uFF76\uFF9E", u"3T4T")};
    directory.rejects = {{"01", u"7", 0}, {"02", u"7", 0}, {"03", u"7", 0}};
    EXPECT_EQ(Texts(CheckDirectory(Capability("type1"), directory)),
              (std::vector<std::string>{
                  "name-refused 01: 01: the name \"Zo\xC3\xAB\" is not one the printer's rules accept",
                  "number-refused 02: 02: the number \"12345\" is not one the printer's rules accept",
                  "number-refused 03: 03: the number \"3T4T\" is not one the printer's rules accept",
                  "duplicate-rejected 01: the number \"7\" is in the reject slots 01, 02 and 03",
              }));
}

// One edit: the dial slots before and after it, and the problems it brings in ("kind slot").
struct EditRow {
    const char* label;
    std::vector<PortableEntry> before;
    std::vector<PortableEntry> after;
    std::vector<std::string> brought_in;
};

void PrintTo(const EditRow& row, std::ostream* os) {
    *os << row.label;
}

class ProblemsOfAnEdit : public ::testing::TestWithParam<EditRow> {};

TEST_P(ProblemsOfAnEdit, AreOnlyThoseTheDirectoryDidNotHave) {
    const EditRow& row = GetParam();
    PortableDirectory before;
    before.entries = row.before;
    PortableDirectory after;
    after.entries = row.after;
    std::vector<std::string> found;
    for (const DirectoryProblem& problem :
         NewProblems(CheckDirectory(Capability(), before), CheckDirectory(Capability(), after))) {
        found.push_back(problem.kind + " " + problem.slot);
    }
    EXPECT_EQ(found, row.brought_in);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProblemsOfAnEdit,
    ::testing::Values(
        EditRow{"Unchanged",
                {Individual("01", u"A", u"12"), Individual("02", u"B", u"12"), Group("03", u"G", {})},
                {Individual("01", u"A", u"12"), Individual("02", u"B", u"12"), Group("03", u"G", {})},
                {}},
        EditRow{"NumberRepeated",
                {Individual("01", u"A", u"12"), Individual("02", u"B", u"34")},
                {Individual("01", u"A", u"12"), Individual("02", u"B", u"12")},
                {"duplicate-number 01"}},
        EditRow{"RepeatedInOneMoreSlot",
                {Individual("01", u"A", u"12"), Individual("02", u"B", u"12"), Empty("03")},
                {Individual("01", u"A", u"12"), Individual("02", u"B", u"12"), Individual("03", u"C", u"12")},
                {"duplicate-number 01"}},
        EditRow{"RepeatedInFewerSlots",
                {Individual("01", u"A", u"12"), Individual("02", u"B", u"12"), Individual("03", u"C", u"12")},
                {Empty("01"), Individual("02", u"B", u"12"), Individual("03", u"C", u"12")},
                {}},
        EditRow{"MemberEmptied",
                {Individual("01", u"A", u"12"), Group("02", u"G", {"01"})},
                {Empty("01"), Group("02", u"G", {"01"})},
                {"empty-member 02"}},
        EditRow{"GroupRenamedKeepsItsOldProblems",
                {Empty("01"), Group("02", u"G", {"01"}), Group("03", u"H", {})},
                {Empty("01"), Group("02", u"K", {"01"}), Group("03", u"L", {})},
                {}},
        EditRow{"AnotherRefusedName",
                {Individual("01", u"C~y", u"12")},
                {Individual("01", u"C~z", u"12")},
                {"name-refused 01"}}));

}  // namespace
}  // namespace orvane
