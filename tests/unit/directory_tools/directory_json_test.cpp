// The JSON reader and the directory documents read from it.
#include "directorytools/directory_json.h"
#include "directorytools/json_text.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

TEST(JsonText, ReadsValuesEscapesAndLines) {
    JsonValue value;
    std::string error;
    ASSERT_TRUE(
        ParseJson("{\"a\": [1, -2.5e3, true, false, null],\n \"b\": \"x\\u00e9\\ud83d\\ude00\\n\\\"\"}",
                  &value, &error))
        << error;
    ASSERT_EQ(value.type, JsonValue::Type::Object);
    const JsonValue* a = value.Find("a");
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->items.size(), 5u);
    EXPECT_EQ(a->items[1].text, "-2.5e3");
    EXPECT_TRUE(a->items[2].boolean);
    EXPECT_EQ(a->items[4].type, JsonValue::Type::Null);
    const JsonValue* b = value.Find("b");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->line, 2u);
    EXPECT_EQ(b->text, "x\xC3\xA9\xF0\x9F\x98\x80\n\"");
}

struct BadJsonRow {
    const char* label;
    std::string text;
    std::string error;
};

void PrintTo(const BadJsonRow& row, std::ostream* os) {
    *os << row.label;
}

class JsonTextErrors : public ::testing::TestWithParam<BadJsonRow> {};

TEST_P(JsonTextErrors, NameTheLine) {
    JsonValue value;
    std::string error;
    EXPECT_FALSE(ParseJson(GetParam().text, &value, &error));
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JsonTextErrors,
    ::testing::Values(
        BadJsonRow{"Empty", "", "line 1: the document ends where a value is expected"},
        BadJsonRow{"MissingColon", "{\n\"a\" 1}", "line 2: expected ':' after an object key"},
        BadJsonRow{"TrailingComma", "[1,\n]", "line 2: expected a JSON value"},
        BadJsonRow{"UnclosedString", "{\"a\": \"x", "line 1: a string is not closed"},
        BadJsonRow{"LineBreakInString", "[\"a\nb\"]",
                   "line 1: a control character or line break in a string"},
        BadJsonRow{"DuplicateKey", "{\"a\": 1,\n\n \"a\": 2}", "line 3: the key \"a\" appears twice"},
        BadJsonRow{"LoneSurrogate", "[\"\\ud800\"]", "line 1: a lone surrogate in a \\u escape"},
        BadJsonRow{"BadUtf8", "[\"\xC3\x28\"]", "line 1: a string is not valid UTF-8"},
        BadJsonRow{"TextAfter", "{} x", "line 1: unexpected text after the document"},
        BadJsonRow{"TooDeep", std::string(100, '[') + std::string(100, ']'), "line 1: nested too deeply"},
        BadJsonRow{"Word", "[nul]", "line 1: unknown word; expected a JSON value"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DirectoryJson, ReadsSlotsSenderAndRejectedNumbers) {
    PortableDirectory directory;
    std::string error;
    ASSERT_TRUE(ParseDirectoryJson(R"({"capability": {"ignored": 1},
      "slots": [{"id": "01", "kind": "individual", "name": "Bö", "number": "12", "members": []},
                {"id": "02", "name": "G", "members": ["01"]},
                {"id": "*00", "kind": "empty"}],
      "sender": {"name": "Al", "number": "5"},
      "rejected": [{"id": "01", "number": "99"}]})",
                                   &directory, &error))
        << error;
    ASSERT_EQ(directory.entries.size(), 3u);
    EXPECT_EQ(directory.entries[0].name, u"Bö");
    EXPECT_EQ(directory.entries[0].number, u"12");
    EXPECT_EQ(directory.entries[0].line, 2u);
    EXPECT_EQ(directory.entries[1].kind, EntryKind::Group);  // inferred from the members
    EXPECT_EQ(directory.entries[1].members, std::vector<std::string>{"01"});
    EXPECT_EQ(directory.entries[2].kind, EntryKind::Empty);
    ASSERT_TRUE(directory.sender);
    EXPECT_EQ(directory.sender->number, u"5");
    ASSERT_EQ(directory.rejects.size(), 1u);
    EXPECT_EQ(directory.rejects[0].number, u"99");
}

class DirectoryJsonErrors : public ::testing::TestWithParam<BadJsonRow> {};

TEST_P(DirectoryJsonErrors, NameTheLine) {
    PortableDirectory directory;
    std::string error;
    EXPECT_FALSE(ParseDirectoryJson(GetParam().text, &directory, &error));
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DirectoryJsonErrors,
    ::testing::Values(
        BadJsonRow{"NotAnObject", "[]", "line 1: the document must be an object"},
        BadJsonRow{"UnknownKey", "{\n\"slot\": []}", "line 2: the document has no key \"slot\""},
        BadJsonRow{"SlotsNotArray", "{\"slots\": {}}", "line 1: \"slots\" must be an array"},
        BadJsonRow{"SlotWithoutId", "{\"slots\": [\n{\"name\": \"A\"}]}", "line 2: an entry has no \"id\""},
        BadJsonRow{"NameNotString", "{\"slots\": [{\"id\": \"01\",\n \"name\": 5}]}",
                   "line 2: \"name\" must be a string"},
        BadJsonRow{"UnknownKind", "{\"slots\": [{\"id\": \"01\", \"kind\": \"person\"}]}",
                   "line 1: unknown kind \"person\" (empty, individual or group)"},
        BadJsonRow{"Misspelt", "{\"slots\": [{\"id\": \"01\", \"nmae\": \"A\"}]}",
                   "line 1: a slot has no key \"nmae\""},
        BadJsonRow{"MemberNotString", "{\"slots\": [{\"id\": \"01\", \"members\": [1]}]}",
                   "line 1: a member must be a string"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace orvane
