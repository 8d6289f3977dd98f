#include "remotesetup/text_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

using namespace std::string_literals;

TEST(TextCodec, Utf16LeBytesPairEveryCodeUnit) {
    std::string bytes;
    ASSERT_TRUE(Utf8ToUtf16Le("A\xc3\xa9", &bytes));
    EXPECT_EQ(bytes, "A\0\xe9\0"s);
    ASSERT_TRUE(Utf8ToUtf16Le("\xf0\x9f\x96\xa8", &bytes));  // beyond U+FFFF: a surrogate pair
    EXPECT_EQ(bytes, "\x3d\xd8\xa8\xdd"s);
    ASSERT_TRUE(Utf8ToUtf16Le("", &bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(Utf8ToUtf16Le("ab\xe2\x82", &bytes));
}

TEST(TextCodec, PrefixesCountCodePoints) {
    EXPECT_EQ(Utf8Prefix("VLNETP_printer", 8), "VLNETP_p");
    EXPECT_EQ(Utf8Prefix("\xc3\xa9\xe2\x82\xacxyz", 3), "\xc3\xa9\xe2\x82\xacx");
    EXPECT_EQ(Utf8Prefix("USB", 8), "USB");
    EXPECT_EQ(Utf8Prefix("ab\xffyz", 8), "ab");  // stops before a malformed sequence
    EXPECT_EQ(Utf8Prefix("abc", 0), "");
}

TEST(TextCodec, CodePointCountSkipsContinuationBytes) {
    EXPECT_EQ(CodePointCount(""), 0u);
    EXPECT_EQ(CodePointCount("Caf\xc3\xa9"), 4u);
    EXPECT_EQ(CodePointCount("\xf0\x9f\x96\xa8!"), 2u);
    EXPECT_EQ(CodePointCount("\x80\x80"), 0u);
}

TEST(TextCodec, DeviceNamesChooseTheirUnmappedUnit) {
    const std::string name = "A\x7eZ\0C"s;  // 0x7E has no row; the zero byte ends the name
    EXPECT_EQ(DeviceNameToUtf16(name), u"A\uFFFDZ");
    EXPECT_EQ(DeviceNameToUtf16(name, u'\0'), u"A\0Z"s);
    EXPECT_EQ(DeviceNameToUtf16("\xe0\xa1"), u"\u00C5\uFF61");
}

}  // namespace
}  // namespace orvane
