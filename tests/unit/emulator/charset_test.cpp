#include <gtest/gtest.h>

#include "emulator/charset.h"

namespace orvane::sim {
namespace {

struct CharRow {
    const char* utf8;
    unsigned char byte;
};

TEST(DeviceCharset, MapsEveryKindOfRowBothWays) {
    const CharRow rows[] = {
        {" ", 0x20}, {"A", 0x41}, {"}", 0x7D}, {"å", 0x80}, {"ç", 0x9B}, {"þ", 0x9E},
        {"｡", 0xA1}, {"ﾟ", 0xDF}, {"Å", 0xE0}, {"Ç", 0xFB}, {"Þ", 0xFE},
    };
    for (const auto& row : rows) {
        std::string device;
        ASSERT_TRUE(Utf8ToDevice(row.utf8, device)) << row.utf8;
        EXPECT_EQ(device, std::string(1, static_cast<char>(row.byte))) << row.utf8;
        EXPECT_EQ(DeviceByteToUtf8(row.byte), row.utf8);
    }
}

TEST(DeviceCharset, RefusesCharactersWithoutRow) {
    for (const char* text : {"~", "\\", "ß", "€", "あ", "\xC3", "\x1F"}) {
        std::string device;
        EXPECT_FALSE(Utf8ToDevice(text, device)) << text;
    }
    for (unsigned char byte : {0x00, 0x1F, 0x5C, 0x7E, 0x9C, 0x9D, 0xA0, 0xFC, 0xFF}) {
        EXPECT_EQ(DeviceByteToUtf8(byte), "") << int(byte);
    }
}

}  // namespace
}  // namespace orvane::sim
