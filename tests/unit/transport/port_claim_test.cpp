#include "transport/internal/port_claim.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "text/utf_text.h"
#include "transport/port_kind.h"
#include "transport/transport_codes.h"
#include "transport_test_env.h"

namespace orvane {
namespace {

uint32_t Adler32Of(std::string_view text) {
    return Adler32(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

TEST(Adler32Test, KnownChecksums) {
    EXPECT_EQ(Adler32Of(""), 0x00000001u);
    EXPECT_EQ(Adler32Of("a"), 0x00620062u);
    EXPECT_EQ(Adler32Of("abc"), 0x024d0127u);
    EXPECT_EQ(Adler32Of("Wikipedia"), 0x11E60398u);
    EXPECT_EQ(Adler32Of(std::string("U\0S\0B\0"
                                    "0\0"
                                    "0\0"
                                    "1\0",
                                    12)),
              0x0b98017cu);
    EXPECT_EQ(Adler32Of(std::string(5552, '\xff')), 0xf18f9b8cu);  // the sums wrap
}

uint32_t ZlibOverUtf16(const std::string& utf16le) {
    return static_cast<uint32_t>(
        adler32(1, reinterpret_cast<const Bytef*>(utf16le.data()), static_cast<uInt>(utf16le.size())));
}

std::string Hex8(uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof(text), "%08x", value);
    return text;
}

TEST(ClaimNameTest, NamesCarryPrefixAndUtf16Checksum) {
    const std::string usb001_utf16(
        "U\0S\0B\0"
        "0\0"
        "0\0"
        "1\0",
        12);
    EXPECT_EQ(ClaimMutexName("USB001"),
              "Global\\objectfilemutex_vlmshare-USB001-" + Hex8(ZlibOverUtf16(usb001_utf16)));
    for (int n = 0; n < 128; ++n) {
        char port[8];
        std::snprintf(port, sizeof(port), "USB%03d", n);
        std::string utf16;
        ASSERT_TRUE(Utf8ToUtf16Le(port, &utf16));
        EXPECT_EQ(ClaimMutexName(port),
                  std::string("Global\\objectfilemutex_vlmshare-") + port + "-" + Hex8(ZlibOverUtf16(utf16)));
    }
}

TEST(ClaimNameTest, LongNamesAndBackslashes) {
    std::string utf16;
    ASSERT_TRUE(Utf8ToUtf16Le("VLNETP_printer.example", &utf16));
    EXPECT_EQ(ClaimMutexName("VLNETP_printer.example"),
              "Global\\objectfilemutex_vlmshare-VLNETP_p-" + Hex8(ZlibOverUtf16(utf16)));
    ASSERT_TRUE(Utf8ToUtf16Le("a\\b\\c\\d\\e", &utf16));
    EXPECT_EQ(ClaimMutexName("a\\b\\c\\d\\e"),
              "Global\\objectfilemutex_vlmshare-a_b_c_d_-" + Hex8(ZlibOverUtf16(utf16)));
}

TEST(ClaimNameTest, Utf8NamesBecomeUtf16) {
    std::string utf16;
    ASSERT_TRUE(
        Utf8ToUtf16Le("\xc3\xa9\xe2\x82\xac\xf0\x9f\x96\xa8", &utf16));  // e-acute, euro, printer emoji
    EXPECT_EQ(utf16, std::string("\xe9\x00\xac\x20\x3d\xd8\xa8\xdd", 8));
    EXPECT_EQ(ClaimMutexName("VLNETP_\xc3\xa9\xc3\xa9"),
              "Global\\objectfilemutex_vlmshare-VLNETP_\xc3\xa9-" +
                  Hex8(ZlibOverUtf16(std::string("V\0L\0N\0E\0T\0P\0_\0\xe9\0\xe9\0", 18))));
}

TEST(ClaimNameTest, MalformedNamesCannotBeFormed) {
    std::string utf16;
    for (const char* bad : {"\xff", "USB\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80"}) {
        EXPECT_FALSE(Utf8ToUtf16Le(bad, &utf16)) << bad;
        EXPECT_EQ(ClaimMutexName(bad), "");
    }
    EXPECT_EQ(ClaimMutexName(""), "");
}

struct SlotRow {
    const char* name;
    bool known;
    int word;
    int bit;
};

TEST(ClaimTableTest, SlotsFollowTheTableLayout) {
    const SlotRow rows[] = {
        {"LPT", false, 0, 0},          {"COM", false, 0, 0},         {"LPT1", true, 0, 1},
        {"LPT3:", true, 0, 3},         {"LPT4", false, 0, 0},        {"LPT0", false, 0, 0},
        {"LPT12", false, 0, 0},        {"COM1", true, 1, 1},         {"COM9:x", true, 1, 9},
        {"COM0", false, 0, 0},         {"IR", true, 2, 0},           {"IR:", true, 2, 0},
        {"IRDA", false, 0, 0},         {"USB000", true, 3, 0},       {"USB001", true, 3, 1},
        {"USB031", true, 3, 31},       {"USB032", true, 4, 0},       {"USB127:", true, 6, 31},
        {"USB128", false, 0, 0},       {"VLFW1394_000", true, 7, 0}, {"VLFW1394_100", true, 10, 4},
        {"VLFW1394_128", false, 0, 0}, {"VLFW1394_01", false, 0, 0}, {"VLFW1394_001:", false, 0, 0},
        {"VLNETP_x", false, 0, 0},
    };
    for (const SlotRow& row : rows) {
        int word = 0;
        int bit = 0;
        ASSERT_EQ(PortClaimTableSlot(row.name, &word, &bit), row.known) << row.name;
        if (!row.known) continue;
        EXPECT_EQ(word, row.word) << row.name;
        EXPECT_EQ(bit, row.bit) << row.name;
    }
}

class UsbLookupTest : public testing::TransportFolders {};

TEST_F(UsbLookupTest, PortNumberOneIsNodeZero) {
    std::FILE* node = std::fopen((root_ / "usb" / "lp4").c_str(), "w");
    ASSERT_NE(node, nullptr);
    std::fclose(node);
    EXPECT_EQ(FindUsbDevicePath("USB005"), (root_ / "usb" / "lp4").string());
    EXPECT_EQ(FindUsbDevicePath("USB005:"), (root_ / "usb" / "lp4").string());
    EXPECT_EQ(FindUsbDevicePath("USB004"), "");
    EXPECT_EQ(FindUsbDevicePath("USB000"), "");
    EXPECT_EQ(FindUsbDevicePath("VLNETP_x"), "");
}

class ClaimFailureTest : public testing::TransportFolders {
  protected:
    // Makes the folder of one scope unusable: a plain file stands where the folder should be.
    void BreakFolder(const char* variable) {
        const std::filesystem::path blocker = root_ / "not-a-folder";
        std::FILE* file = std::fopen(blocker.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
        ::setenv(variable, (blocker / "sub").c_str(), 1);
    }
};

TEST_F(ClaimFailureTest, UnusableGuardMeansPortInUse) {
    BreakFolder("ORVANE_SESSION_DIR");
    PortClaim claim;
    EXPECT_EQ(claim.Claim("USB001"), transport_code::kPortInUse);
    EXPECT_FALSE(claim.IsHeld());
}

TEST_F(ClaimFailureTest, UnusableClaimLockMeansUnknownKind) {
    BreakFolder("ORVANE_OBJECT_DIR");
    PortClaim claim;
    EXPECT_EQ(claim.Claim("USB001"), transport_code::kUnknownPortKind);
    EXPECT_EQ(claim.Claim("\xff"), transport_code::kUnknownPortKind);
    EXPECT_FALSE(claim.IsHeld());
}

TEST_F(ClaimFailureTest, MalformedNameCannotBeClaimed) {
    PortClaim claim;
    EXPECT_EQ(claim.Claim("VLNETP_\xff"), transport_code::kUnknownPortKind);
    EXPECT_FALSE(claim.IsHeld());
}

TEST_F(ClaimFailureTest, ReleaseMakesThePortFreeInThisProcess) {
    PortClaim first;
    ASSERT_EQ(first.Claim("USB001"), transport_code::kSuccess);
    PortClaim second;
    EXPECT_EQ(second.Claim("USB001"), transport_code::kPortInUse);
    PortClaim moved = std::move(first);
    EXPECT_TRUE(moved.IsHeld());
    moved.Release();
    moved.Release();  // releasing twice is harmless
    EXPECT_EQ(second.Claim("USB001"), transport_code::kSuccess);
}

}  // namespace
}  // namespace orvane
