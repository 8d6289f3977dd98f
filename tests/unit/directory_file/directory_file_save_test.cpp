#include "directory_file_fixtures.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <csignal>
#include <functional>
#include <string>

namespace orvane {
namespace {

using namespace std::string_literals;
using namespace testing_support;

constexpr std::uint16_t kProduct = 0x1234;

// Runs `save` in a child process after `limit` and returns its result code (or -1 when the child
// did not exit normally). Limits a process sets on itself are the way to make file creation or a
// write fail for any user, root included.
int ResultInChild(const std::function<void()>& limit, const std::function<RsResult()>& save) {
    const pid_t child = ::fork();
    if (child == 0) {
        limit();
        ::_exit(save());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// No file can be created any more: the descriptor limit is set to the lowest free descriptor.
void ExhaustDescriptors() {
    const int lowest = ::open("/dev/null", O_RDONLY);
    ::close(lowest);
    const rlimit limit{static_cast<rlim_t>(lowest), static_cast<rlim_t>(lowest)};
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

// Files stop growing after `bytes` bytes; the write past it fails instead of killing the process.
void LimitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

TEST(DirectoryFileSave, BodyIsTagDocumentAndPayload) {
    CRSUFuncRemoteSetup setup;
    PrepareExample(setup);
    std::string plain;
    ASSERT_EQ(setup.EncodeDirectoryFile(kProduct, &plain), rs::kSuccess);
    const std::string tag = "<PID>0x1234</PID>\0"s;
    ASSERT_TRUE(plain.starts_with(tag));
    const std::string document =
        plain.substr(tag.size(), plain.size() - tag.size() - ExamplePayload().size() - 2);
    EXPECT_TRUE(document.starts_with(R"(<?xml version="1.0" encoding="utf-8" ?>)"));
    EXPECT_TRUE(document.ends_with("</ivec:param_set></ivec:contents></cmd>"));
    EXPECT_NE(document.find("<ivec:operation>GetCapabilityResponse</ivec:operation>"), std::string::npos);
    EXPECT_NE(document.find("<ivec:response>OK</ivec:response>"), std::string::npos);
    EXPECT_NE(document.find("<ivec:max_coded_dial_num>1</ivec:max_coded_dial_num>"), std::string::npos);
    EXPECT_TRUE(plain.ends_with("\r\n" + ExamplePayload()));
}

TEST(DirectoryFileSave, FileOnDiskIsTheInvertedBody) {
    TemporaryFolder folder;
    CRSUFuncRemoteSetup setup;
    PrepareExample(setup);
    std::string plain;
    ASSERT_EQ(setup.EncodeDirectoryFile(kProduct, &plain), rs::kSuccess);
    ASSERT_EQ(setup.SaveDirectoryFile(folder / "a.rsd", kProduct), rs::kSuccess);
    const std::string on_disk = ReadBytes(folder / "a.rsd");
    EXPECT_EQ(on_disk, Inverted(plain));
    EXPECT_EQ(static_cast<unsigned char>(on_disk[0]), 255 - '<');
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.rsd"});
}

TEST(DirectoryFileSave, ProductTagFormatsFourLowerCaseDigits) {
    EXPECT_EQ(FormatProductTag(0x00ab), "<PID>0x00ab</PID>\0"s);
    EXPECT_EQ(FormatProductTag(0xFFFF), "<PID>0xffff</PID>\0"s);
    EXPECT_EQ(FormatProductTag(1).size(), kProductTagSize);
}

TEST(DirectoryFileSave, InvertingNothingIsRefused) {
    std::string empty;
    EXPECT_EQ(InvertBytes(empty), rs::kEmptyInversionBuffer);
    std::string bytes = "\x00\xff\x0f"s;
    ASSERT_EQ(InvertBytes(bytes), rs::kSuccess);
    EXPECT_EQ(bytes, "\xff\x00\xf0"s);
}

struct RefusedSaveRow {
    const char* label;
    CapabilityTexts texts;
    std::uint16_t product;
    RsResult expected;
};

void PrintTo(const RefusedSaveRow& row, std::ostream* os) {
    *os << row.label;
}

class RefusedSave : public ::testing::TestWithParam<RefusedSaveRow> {};

// A save that cannot produce a loadable file creates nothing and leaves an old file alone.
TEST_P(RefusedSave, LeavesTheOldFile) {
    const RefusedSaveRow& row = GetParam();
    TemporaryFolder folder;
    WriteBytes(folder / "a.rsd", "old contents");
    CRSUFuncRemoteSetup setup;
    Prepare(setup, row.texts, {DirectoryCopy::Working});
    EXPECT_EQ(setup.SaveDirectoryFile(folder / "a.rsd", row.product), row.expected);
    EXPECT_EQ(ReadBytes(folder / "a.rsd"), "old contents");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.rsd"});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusedSave,
    ::testing::Values(RefusedSaveRow{"ProductZero", ExampleTexts(), 0, rs::kFileMalformed},
                      RefusedSaveRow{"FiveDigitNumber", ExampleTexts({{kMaxEmail, "10000"}}), kProduct,
                                     rs::kCapabilityUnsupported},
                      RefusedSaveRow{"FiveDigitWidth",
                                     ExampleTexts({{kMaxUserName, "12345"}, {kCurUserName, "4"}}), kProduct,
                                     rs::kCapabilityUnsupported},
                      RefusedSaveRow{"DocumentTooLong",
                                     ExampleTexts({{kCharacterCode, std::string(2100, 'a')}}), kProduct,
                                     rs::kProtocolFailure}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DirectoryFileSave, FourDigitNumbersAreWritten) {
    TemporaryFolder folder;
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts({{kMaxEmail, "9999"}, {kCurEmail, "9999"}}), {DirectoryCopy::Working});
    EXPECT_EQ(setup.SaveDirectoryFile(folder / "a.rsd", kProduct), rs::kSuccess);
}

TEST(DirectoryFileSave, WithoutWorkingNothingIsWritten) {
    TemporaryFolder folder;
    CRSUFuncRemoteSetup setup;
    ASSERT_EQ(setup.ApplyCapability(ExampleTexts()), rs::kSuccess);
    EXPECT_EQ(setup.SaveDirectoryFile(folder / "a.rsd", kProduct), rs::kMissingBuffer);
    EXPECT_TRUE(folder.Names().empty());
}

TEST(DirectoryFileSave, ReplacesAnOldFileAndKeepsItsPermissions) {
    TemporaryFolder folder;
    WriteBytes(folder / "a.rsd", "old contents");
    ASSERT_EQ(::chmod((folder / "a.rsd").c_str(), 0640), 0);
    CRSUFuncRemoteSetup setup;
    PrepareExample(setup);
    ASSERT_EQ(setup.SaveDirectoryFile(folder / "a.rsd", kProduct), rs::kSuccess);
    EXPECT_EQ(setup.CheckDirectoryFile(folder / "a.rsd", kProduct), rs::kSuccess);
    struct stat info {};
    ASSERT_EQ(::stat((folder / "a.rsd").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.rsd"});
}

TEST(DirectoryFileSave, SavingThroughALinkKeepsTheLinkAndUpdatesItsFile) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder / "store");
    WriteBytes(folder / "store" / "real.rsd", "old contents");
    std::filesystem::create_symlink(folder / "store" / "real.rsd", folder / "link.rsd");
    CRSUFuncRemoteSetup setup;
    PrepareExample(setup);
    ASSERT_EQ(setup.SaveDirectoryFile(folder / "link.rsd", kProduct), rs::kSuccess);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.rsd"));
    EXPECT_EQ(setup.CheckDirectoryFile(folder / "store" / "real.rsd", kProduct), rs::kSuccess);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"link.rsd", "store"}));
}

TEST(DirectoryFileSave, TargetThatIsAFolderStaysAndNothingIsLeft) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder / "a.rsd");
    WriteBytes(folder / "a.rsd" / "inside", "kept");
    CRSUFuncRemoteSetup setup;
    PrepareExample(setup);
    EXPECT_EQ(setup.SaveDirectoryFile(folder / "a.rsd", kProduct), rs::kFileCreateFailed);
    EXPECT_EQ(ReadBytes(folder / "a.rsd" / "inside"), "kept");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.rsd"});
}

TEST(DirectoryFileSave, MissingFolderFailsTheFreeSpaceQuery) {
    TemporaryFolder folder;
    CRSUFuncRemoteSetup setup;
    PrepareExample(setup);
    EXPECT_EQ(setup.SaveDirectoryFile(folder / "missing" / "a.rsd", kProduct), rs::kFreeSpaceQueryFailed);
    EXPECT_TRUE(folder.Names().empty());
}

TEST(DirectoryFileSave, FileThatCannotBeCreatedLeavesTheOldOne) {
    TemporaryFolder folder;
    const std::string old = "\x01\x02old\0file"s;
    WriteBytes(folder / "a.rsd", old);
    CRSUFuncRemoteSetup setup;
    PrepareExample(setup);
    const int result = ResultInChild(ExhaustDescriptors,
                                     [&] { return setup.SaveDirectoryFile(folder / "a.rsd", kProduct); });
    EXPECT_EQ(result, rs::kFileCreateFailed);
    EXPECT_EQ(ReadBytes(folder / "a.rsd"), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.rsd"});
}

TEST(DirectoryFileSave, ShortWriteLeavesTheOldFile) {
    TemporaryFolder folder;
    const std::string old(3000, 'o');
    WriteBytes(folder / "a.rsd", old);
    CRSUFuncRemoteSetup setup;
    PrepareExample(setup);
    const int result = ResultInChild([] { LimitFileSize(100); },
                                     [&] { return setup.SaveDirectoryFile(folder / "a.rsd", kProduct); });
    EXPECT_EQ(result, rs::kDiskFull);
    EXPECT_EQ(ReadBytes(folder / "a.rsd"), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.rsd"});
}

}  // namespace
}  // namespace orvane
