#include "directory_file_fixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

using namespace std::string_literals;
using namespace testing_support;

struct TagRow {
    const char* label;
    std::string plain;  // the start of a file body
    RsResult expected;
    std::uint16_t product;  // when expected is 0
};

void PrintTo(const TagRow& row, std::ostream* os) {
    *os << row.label;
}

class ProductTag : public ::testing::TestWithParam<TagRow> {};

TEST_P(ProductTag, ReadsTheNumberWithAutomaticBase) {
    const TagRow& row = GetParam();
    std::uint16_t product = 0;
    ASSERT_EQ(ReadProductTag(row.plain, &product), row.expected);
    if (row.expected == rs::kSuccess) {
        EXPECT_EQ(product, row.product);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProductTag,
    ::testing::Values(TagRow{"Hexadecimal", "<PID>0x1234</PID>\0<?xml"s, rs::kSuccess, 0x1234},
                      TagRow{"UpperCaseHex", "<PID>0X00AB</PID>\0"s, rs::kSuccess, 0xab},
                      TagRow{"Decimal", "<PID>4660</PID>\0"s, rs::kSuccess, 4660},
                      TagRow{"Octal", "<PID>010</PID>\0"s, rs::kSuccess, 8},
                      TagRow{"LowSixteenBits", "<PID>65537</PID>"s, rs::kSuccess, 1},
                      TagRow{"Negative", "<PID>-1</PID>"s, rs::kSuccess, 0xFFFF},
                      TagRow{"SixCharactersAtMost", "<PID>0x12345</PID>"s, rs::kSuccess, 0x1234},
                      TagRow{"NoClosingTag", "<PID>0x0042"s, rs::kSuccess, 0x42},
                      TagRow{"TagAfterOtherBytes", "abcdefghijkl<PID>7"s, rs::kSuccess, 7},
                      TagRow{"Zero", "<PID>0x0000</PID>\0"s, rs::kFileMalformed, 0},
                      TagRow{"NotANumber", "<PID>zz</PID>\0"s, rs::kFileMalformed, 0},
                      TagRow{"EmptyNumber", "<PID></PID>\0"s, rs::kFileMalformed, 0},
                      TagRow{"SixtyFiveThousandFiveHundredThirtySix", "<PID>65536</PID>"s, rs::kFileMalformed,
                             0},
                      TagRow{"TagStartsTooLate", "abcdefghijklm<PID>7"s, rs::kFileMalformed, 0},
                      TagRow{"LowerCaseTag", "<pid>0x1234</pid>\0"s, rs::kFileMalformed, 0},
                      TagRow{"NoTag", "<?xml version"s, rs::kFileMalformed, 0},
                      TagRow{"Empty", ""s, rs::kFileMalformed, 0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DirectoryFileCheck, ComparesTheTagWithTheProduct) {
    TemporaryFolder folder;
    CRSUFuncRemoteSetup setup;
    PrepareExample(setup);
    ASSERT_EQ(setup.SaveDirectoryFile(folder / "a.rsd", 0x1234), rs::kSuccess);
    EXPECT_EQ(setup.CheckDirectoryFile(folder / "a.rsd", 0x1234), rs::kSuccess);
    EXPECT_EQ(setup.CheckDirectoryFile(folder / "a.rsd", 0x1235), rs::kOtherProduct);
}

struct CheckFileRow {
    const char* label;
    std::string on_disk;
    RsResult expected;
};

void PrintTo(const CheckFileRow& row, std::ostream* os) {
    *os << row.label;
}

class DirectoryFileCheckRows : public ::testing::TestWithParam<CheckFileRow> {};

TEST_P(DirectoryFileCheckRows, GivesTheCode) {
    const CheckFileRow& row = GetParam();
    TemporaryFolder folder;
    WriteBytes(folder / "a.rsd", row.on_disk);
    CRSUFuncRemoteSetup setup;
    EXPECT_EQ(setup.CheckDirectoryFile(folder / "a.rsd", 0x1234), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DirectoryFileCheckRows,
    ::testing::Values(CheckFileRow{"ProductZero", Inverted("<PID>0x0000</PID>\0"s), rs::kFileMalformed},
                      CheckFileRow{"OtherProduct", Inverted("<PID>0x0001</PID>\0"s), rs::kOtherProduct},
                      CheckFileRow{"Matching", Inverted("<PID>0x1234</PID>\0"s), rs::kSuccess},
                      CheckFileRow{"NotInverted", "<PID>0x1234</PID>\0"s, rs::kFileMalformed},
                      CheckFileRow{"Empty", ""s, rs::kFileMalformed}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DirectoryFileCheck, MissingFileOrFolderCannotBeOpened) {
    TemporaryFolder folder;
    CRSUFuncRemoteSetup setup;
    EXPECT_EQ(setup.CheckDirectoryFile(folder / "missing.rsd", 0x1234), rs::kFileOpenFailed);
    EXPECT_EQ(setup.CheckDirectoryFile(folder.path(), 0x1234), rs::kFileOpenFailed);
}

}  // namespace
}  // namespace orvane
