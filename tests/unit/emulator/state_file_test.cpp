#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

#include "emulator/charset.h"
#include "emulator/state_file.h"

namespace orvane::sim {
namespace {

using namespace std::literals;

Directory Sample(const char* profile, bool kana) {
    const Widths w = Widths::From(*ProfileCapability(profile));
    Directory d = ShapeDirectory(w, SlotOrder::CodedFirst);
    FillSampleEntries(d, w, kana);
    return d;
}

TEST(StateFile, EveryProfileReadsBackUnchanged) {
    for (const char* profile : {"small", "typical", "large"}) {
        for (bool kana : {false, true}) {
            const Directory d = Sample(profile, kana);
            Directory back;
            ASSERT_EQ(ParseState(FormatState(d), back), "") << profile;
            EXPECT_EQ(back, d) << profile << kana;
        }
    }
}

TEST(StateFile, WritesReadableTextAndEscapesBytesWithoutCharacter) {
    Directory d;
    d.sender_name = "Zo\xEB\"\x5C\x01"s;  // Í in the device code, quote, backslash, control byte
    std::string device;
    ASSERT_TRUE(Utf8ToDevice("Café", device));
    DialSlot slot = DialSlot::Empty("01");
    slot.kind = SlotKind::Individual;
    slot.name = device;
    slot.number = "123";
    d.dials = {slot, DialSlot::Empty("*00")};
    d.rejects = {"", "555"};
    const std::string text = FormatState(d);
    EXPECT_NE(text.find("sender \"ZoÍ\\\"\\x5C\\x01\" \"\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("dial 01 individual \"Café\" \"123\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("dial *00 empty\n"), std::string::npos);
    EXPECT_NE(text.find("reject 02 \"555\"\n"), std::string::npos);
    Directory back;
    ASSERT_EQ(ParseState(text, back), "");
    EXPECT_EQ(back, d);
}

TEST(StateFile, ReportsTheLineOfAMalformedRecord) {
    const std::pair<const char*, const char*> rows[] = {
        {"# c\nsender \"a\"\n", "line 2:"},
        {"dial 01 sometimes\n", "line 1:"},
        {"\n\ndial 01 individual \"a\n", "line 3:"},
        {"dial 0123 empty\n", "line 1:"},
        {"reject 02 \"1\"\n", "line 1:"},
        {"sender \"a\" \"b\" extra\n", "line 1:"},
        {"sender \"\\xZZ\" \"\"\n", "line 1:"},
        {"sender \"~\" \"\"\n", "line 1:"},
        {"printer \"x\"\n", "line 1:"},
    };
    for (const auto& [text, where] : rows) {
        Directory d;
        EXPECT_EQ(ParseState(text, d).rfind(where, 0), 0u) << text;
    }
}

TEST(StateFile, SavesAtomicallyAndLoads) {
    const auto dir = std::filesystem::temp_directory_path() / ("sim-state-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "state.txt").string();
    const Directory d = Sample("typical", true);
    ASSERT_EQ(SaveStateFile(path, d), "");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    Directory back;
    ASSERT_EQ(LoadStateFile(path, back), "");
    EXPECT_EQ(back, d);
    EXPECT_NE(LoadStateFile((dir / "missing").string(), back), "");
    EXPECT_NE(SaveStateFile((dir / "no" / "such").string(), d), "");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace orvane::sim
