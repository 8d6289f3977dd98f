#include "remotesetup/device_charset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

using namespace std::string_literals;

// The table as its rows are listed, built here without the library's help.
std::vector<DeviceCharRow> ExpectedRows() {
    std::vector<DeviceCharRow> rows;
    for (char16_t c = 0x20; c <= 0x7D; ++c) {
        if (c != 0x5C) rows.push_back({c, static_cast<std::uint8_t>(c)});
    }
    const std::u16string lower = u"åäáàãâëéèêïíìîñöóòõôüúùûýøæç";
    for (std::size_t i = 0; i < lower.size(); ++i)
        rows.push_back({lower[i], static_cast<std::uint8_t>(0x80 + i)});
    rows.push_back({u'þ', 0x9E});
    for (char16_t c = 0xFF61; c <= 0xFF9F; ++c)
        rows.push_back({c, static_cast<std::uint8_t>(0xA1 + (c - 0xFF61))});
    const std::u16string upper = u"ÅÄÁÀÃÂËÉÈÊÏÍÌÎÑÖÓÒÕÔÜÚÙÛÝØÆÇ";
    for (std::size_t i = 0; i < upper.size(); ++i)
        rows.push_back({upper[i], static_cast<std::uint8_t>(0xE0 + i)});
    rows.push_back({u'Þ', 0xFE});
    return rows;
}

TEST(DeviceCharset, TableHasEveryRowInOrder) {
    const std::vector<DeviceCharRow> expected = ExpectedRows();
    ASSERT_EQ(expected.size(), kDeviceCharRowCount);
    const auto table = DeviceCharTable();
    ASSERT_EQ(table.size(), kDeviceCharRowCount);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(table[i].unit, expected[i].unit) << i;
        EXPECT_EQ(table[i].byte, expected[i].byte) << i;
    }
}

TEST(DeviceCharset, EveryRowConvertsBothWays) {
    for (const DeviceCharRow& row : ExpectedRows()) {
        EXPECT_EQ(DeviceByteFor(row.unit), row.byte) << int(row.unit);
        EXPECT_EQ(UnitForDeviceByte(row.byte), row.unit) << int(row.byte);
        char bytes[2];
        ASSERT_EQ(WideToDevice(std::u16string(1, row.unit), bytes), 1);
        EXPECT_EQ(static_cast<std::uint8_t>(bytes[0]), row.byte);
        char16_t units[2];
        ASSERT_EQ(DeviceToWide(std::string_view(bytes, 2), units), 1);
        EXPECT_EQ(units[0], row.unit);
    }
}

TEST(DeviceCharset, WholeTableRoundTripsAsOneName) {
    std::u16string name;
    for (const DeviceCharRow& row : ExpectedRows()) name += row.unit;
    std::vector<char> bytes(name.size() + 1);
    ASSERT_EQ(WideToDevice(name, bytes), static_cast<int>(name.size()));
    std::vector<char16_t> back(name.size() + 1);
    ASSERT_EQ(DeviceToWide(std::string_view(bytes.data(), bytes.size()), back),
              static_cast<int>(name.size()));
    EXPECT_EQ(std::u16string(back.data()), name);
}

TEST(DeviceCharset, CharactersWithoutRow) {
    for (char16_t unit : {u'\0', u'~', u'\\', u'\u007F', u'\u00A0', u'\u00DF', u'\u00FF', u'\u00F7',
                          u'\u3042', u'\uFF60', u'\uFFA0', u'\u20AC'}) {
        EXPECT_FALSE(DeviceByteFor(unit)) << int(unit);
    }
    for (int byte : {0x00, 0x01, 0x1F, 0x5C, 0x7E, 0x7F, 0x9C, 0x9D, 0x9F, 0xA0, 0xFC, 0xFD, 0xFF}) {
        EXPECT_FALSE(UnitForDeviceByte(static_cast<std::uint8_t>(byte))) << byte;
    }
}

TEST(DeviceCharset, NameIsCutAtACharacterWithoutRow) {
    for (const std::u16string& name : {u"ab~cd"s, u"ab\\cd"s, u"ab\u3042cd"s}) {
        std::string bytes(8, 'x');
        EXPECT_EQ(WideToDevice(name, bytes), 2);
        EXPECT_EQ(bytes, "ab\0\0\0\0\0\0"s);
    }
}

TEST(DeviceCharset, WideToDeviceNeedsRoomForTheTerminator) {
    std::string bytes(3, 'x');
    EXPECT_EQ(WideToDevice(u"abc", bytes), -1);
    EXPECT_EQ(bytes, "xxx");
    EXPECT_EQ(WideToDevice(u"ab", bytes), 2);
    EXPECT_EQ(bytes, "ab\0"s);
    EXPECT_EQ(WideToDevice(u"", std::span<char>()), -1);
}

TEST(DeviceCharset, DeviceToWideNeedsATerminatorAndRoom) {
    char16_t units[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_EQ(DeviceToWide("abc", units), -1);
    EXPECT_EQ(DeviceToWide("abc\0"s, std::span<char16_t>(units, 3)), -1);
    EXPECT_EQ(DeviceToWide("ab\0cd"s, std::span<char16_t>(units, 3)), 2);
    EXPECT_EQ(std::u16string(units), u"ab");
    EXPECT_EQ(DeviceToWide("a\x7e"
                           "b\0"s,
                           units),
              3);
    EXPECT_EQ(units[1], u'\0');
    EXPECT_EQ(units[2], u'b');
}

struct MaskRow {
    std::uint8_t byte;
    KeycodeSet set;
    char expected;
};

TEST(DeviceCharset, MaskReplacesBytesOutsideTheKeycodeSet) {
    const std::vector<MaskRow> rows = {
        {0xB1, KeycodeSet::Latin, '.'},    {0xA1, KeycodeSet::Latin, '.'},
        {0xDF, KeycodeSet::Latin, '.'},    {0x80, KeycodeSet::Latin, '\x80'},
        {0x9E, KeycodeSet::Latin, '\x9e'}, {0xFE, KeycodeSet::Latin, '\xfe'},
        {0x80, KeycodeSet::Kana, '.'},     {0x9B, KeycodeSet::Kana, '.'},
        {0x9E, KeycodeSet::Kana, '.'},     {0xE0, KeycodeSet::Kana, '.'},
        {0xFB, KeycodeSet::Kana, '.'},     {0xFE, KeycodeSet::Kana, '.'},
        {0xB1, KeycodeSet::Kana, '\xb1'},  {0x41, KeycodeSet::Kana, 'A'},
        {0x41, KeycodeSet::Latin, 'A'},    {0x00, KeycodeSet::Kana, '\0'},
        {0x00, KeycodeSet::Latin, '\0'},   {0x9C, KeycodeSet::Kana, '\x9c'},
        {0x7E, KeycodeSet::Latin, '~'},    {0xFF, KeycodeSet::Latin, '\xff'},
        {0xA0, KeycodeSet::Latin, '\xa0'},
    };
    for (const MaskRow& row : rows) {
        char c = static_cast<char>(row.byte);
        MaskUnsupportedBytes(std::span<char>(&c, 1), row.set);
        EXPECT_EQ(c, row.expected) << int(row.byte) << " set " << int(row.set);
    }
}

TEST(DeviceCharset, UsableBytesFollowTheKeycodeSet) {
    for (const DeviceCharRow& row : ExpectedRows()) {
        const bool ascii = row.byte <= 0x7D;
        const bool kana = row.byte >= 0xA1 && row.byte <= 0xDF;
        EXPECT_EQ(DeviceByteUsable(row.byte, KeycodeSet::Kana), ascii || kana) << int(row.byte);
        EXPECT_EQ(DeviceByteUsable(row.byte, KeycodeSet::Latin), !kana) << int(row.byte);
    }
    EXPECT_FALSE(DeviceByteUsable(0x5C, KeycodeSet::Latin));
    EXPECT_FALSE(DeviceByteUsable(0x00, KeycodeSet::Kana));
}

TEST(DeviceCharset, OnlyType1SelectsKana) {
    EXPECT_EQ(KeycodeSetFor("type1"), KeycodeSet::Kana);
    for (const char* other : {"type2", "", "Type1", "type1 ", "type"})
        EXPECT_EQ(KeycodeSetFor(other), KeycodeSet::Latin);
}

}  // namespace
}  // namespace orvane
