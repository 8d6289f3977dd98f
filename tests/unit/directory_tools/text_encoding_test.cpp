// Telling the encodings of text files apart and reading them as UTF-8.
#include "directorytools/text_encoding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace orvane {
namespace {

struct EncodingRow {
    const char* label;
    std::string bytes;
    TextEncoding encoding;
    std::string code_page;  // for CodePage
    std::string utf8;
};

void PrintTo(const EncodingRow& row, std::ostream* os) {
    *os << row.label;
}

class TextEncodings : public ::testing::TestWithParam<EncodingRow> {};

TEST_P(TextEncodings, AreDetectedAndConverted) {
    const EncodingRow& row = GetParam();
    EXPECT_EQ(DetectTextEncoding(row.bytes), row.encoding);
    EXPECT_EQ(TextToUtf8(row.bytes, row.encoding, row.code_page), row.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextEncodings,
    ::testing::Values(
        EncodingRow{"Ascii", "a,b", TextEncoding::Utf8, "", "a,b"},
        EncodingRow{"Utf8", "\xC3\xBC", TextEncoding::Utf8, "", "\xC3\xBC"},
        EncodingRow{"Utf8Bom", "\xEF\xBB\xBF\xC3\xBC", TextEncoding::Utf8Bom, "", "\xC3\xBC"},
        EncodingRow{"Utf16Le", std::string("\xFF\xFE\xFC\x00\xAC\x20", 6), TextEncoding::Utf16Le, "",
                    "\xC3\xBC\xE2\x82\xAC"},
        EncodingRow{"Utf16Be", std::string("\xFE\xFF\x00\xFC\xD8\x3D\xDE\x00", 8), TextEncoding::Utf16Be, "",
                    "\xC3\xBC\xF0\x9F\x98\x80"},
        EncodingRow{"Utf16LoneSurrogateAndOddByte", std::string("\xFF\xFE\x00\xD8\x41", 5),
                    TextEncoding::Utf16Le, "", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        EncodingRow{"Windows1252", "\xFC\x80\x96", TextEncoding::CodePage, "WINDOWS-1252",
                    "\xC3\xBC\xE2\x82\xAC\xE2\x80\x93"},
        EncodingRow{"Windows1252Undefined",
                    "a\x81"
                    "b",
                    TextEncoding::CodePage, "WINDOWS-1252",
                    "a\xEF\xBF\xBD"
                    "b"},
        EncodingRow{"Greek", "\xE1\xE2", TextEncoding::CodePage, "ISO-8859-7", "\xCE\xB1\xCE\xB2"},
        EncodingRow{"UnknownCodePage", "\xFC", TextEncoding::CodePage, "NO-SUCH-CODE-PAGE", "\xC3\xBC"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(LocalCodePage, IsWindows1252UnderAUtf8Locale) {
    setenv("LC_ALL", "C.UTF-8", 1);
    EXPECT_EQ(LocalCodePage(), "WINDOWS-1252");
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(LocalCodePage(), "WINDOWS-1252");
    unsetenv("LC_ALL");
}

}  // namespace
}  // namespace orvane
