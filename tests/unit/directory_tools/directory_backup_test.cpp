// Backups before writes: names, the newest 20 per printer, and a folder others could plant links in.
#include "directorytools/directory_backup.h"
#include "remote_setup_fixtures.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace orvane {
namespace {

using namespace testing_support;
using namespace std::chrono_literals;

class Backup : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvane-backup-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        folder_ = root_ / "data" / "Orvane" / "backups";
        Prepare(setup_, ExampleTexts(), {DirectoryCopy::Working});
        FillExample(*setup_.Copy(DirectoryCopy::Working));
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::filesystem::path Save(std::string_view printer, std::chrono::system_clock::time_point when) {
        std::filesystem::path saved;
        EXPECT_EQ(SaveBackup(folder_, printer, setup_.Capability(), *setup_.Copy(DirectoryCopy::Working),
                             0x1234, when, &saved),
                  rs::kSuccess);
        return saved;
    }

    // 2026-12-09 14:05:01.123 UTC.
    static std::chrono::system_clock::time_point When() {
        return std::chrono::system_clock::time_point(1796825101123ms);
    }

    std::filesystem::path root_;
    std::filesystem::path folder_;
    CRSUFuncRemoteSetup setup_;
};

TEST_F(Backup, NamedByPrinterAndUtcTimeInAPrivateFolder) {
    const std::filesystem::path saved = Save("Office Fax", When());
    EXPECT_EQ(saved, folder_ / "Office Fax-20261209T140501.123Z.rsd");
    EXPECT_EQ(setup_.CheckDirectoryFile(saved, 0x1234), rs::kSuccess);
    struct stat info {};
    ASSERT_EQ(::stat(folder_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    const std::vector<BackupFile> listed = ListBackups(folder_);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].printer, "Office Fax");
    EXPECT_EQ(listed[0].time, "20261209T140501.123Z");
}

TEST_F(Backup, TheNewestTwentyOfEachPrinterAreKept) {
    Save("Other", When());
    for (int i = 0; i < 22; ++i) Save("Office Fax", When() + std::chrono::seconds(i));
    const std::vector<BackupFile> kept = ListBackups(folder_, "Office Fax");
    ASSERT_EQ(kept.size(), kBackupsKept);
    EXPECT_EQ(kept.front().time, "20261209T140503.123Z");
    EXPECT_EQ(kept.back().time, "20261209T140522.123Z");
    EXPECT_EQ(ListBackups(folder_, "Other").size(), 1u);
    EXPECT_EQ(ListBackups(folder_).size(), kBackupsKept + 1);
}

TEST_F(Backup, TwoWritesInOneMillisecondGetTwoFiles) {
    const std::filesystem::path first = Save("P", When());
    const std::filesystem::path second = Save("P", When());
    EXPECT_NE(first, second);
    EXPECT_EQ(second.filename(), "P-20261209T140501.124Z.rsd");
}

TEST_F(Backup, APlantedLinkIsNeitherFollowedNorListed) {
    std::filesystem::create_directories(folder_);
    const std::filesystem::path target = root_ / "victim";
    std::ofstream(target) << "keep";
    std::filesystem::create_symlink(target, folder_ / "P-20261209T140501.123Z.rsd");
    const std::filesystem::path saved = Save("P", When());
    EXPECT_EQ(saved.filename(), "P-20261209T140501.124Z.rsd");
    std::ifstream victim(target);
    std::string text;
    victim >> text;
    EXPECT_EQ(text, "keep");
    const std::vector<BackupFile> listed = ListBackups(folder_);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].path, saved);
}

TEST_F(Backup, PrinterNamesBecomeFileNames) {
    EXPECT_EQ(BackupPrinterName("a/b\nc"), "a_b_c");
    EXPECT_EQ(BackupPrinterName("..x"), "_..x");
    EXPECT_EQ(BackupPrinterName(""), "_");
    EXPECT_EQ(Save("VLNETP_10.0.0.7:9100/x", When()).filename(),
              "VLNETP_10.0.0.7:9100_x-20261209T140501.123Z.rsd");
}

TEST_F(Backup, AFolderThatIsAFileIsRefused) {
    std::filesystem::create_directories(folder_.parent_path());
    std::ofstream(folder_) << "x";
    std::filesystem::path saved;
    EXPECT_EQ(SaveBackup(folder_, "P", setup_.Capability(), *setup_.Copy(DirectoryCopy::Working), 0x1234,
                         When(), &saved),
              rs::kFileCreateFailed);
}

TEST(BackupFolderFromEnvironment, DataHomeElseHome) {
    ::setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(BackupFolder(), "/data/home/Orvane/backups");
    ::setenv("XDG_DATA_HOME", "relative", 1);  // not absolute: ignored
    ::setenv("HOME", "/home/u", 1);
    EXPECT_EQ(BackupFolder(), "/home/u/.local/share/Orvane/backups");
}

}  // namespace
}  // namespace orvane
