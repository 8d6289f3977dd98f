// What another local user can leave in a shared folder before the program comes: a link to a
// victim file, a FIFO, a folder or a second name of the victim, under the name the program uses.
#pragma once

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace orvane::testing {

// What a planted name leads to.
enum class Plant { kLinkToVictim, kFifo, kFolder, kHardLinkToVictim };

inline std::string PlantName(Plant plant) {
    switch (plant) {
        case Plant::kLinkToVictim:
            return "LinkToVictim";
        case Plant::kFifo:
            return "Fifo";
        case Plant::kFolder:
            return "Folder";
        case Plant::kHardLinkToVictim:
            return "HardLinkToVictim";
    }
    return "Unknown";
}

// A file of someone else's (mode 0600, known content) that a planted name points at.
class Victim {
  public:
    explicit Victim(std::filesystem::path path) : path_(std::move(path)) {
        std::ofstream(path_) << kContent;
        ::chmod(path_.c_str(), 0600);
        before_ = Info();
    }

    const std::filesystem::path& Path() const { return path_; }

    // Mode, owner, size and content are as they were made.
    void ExpectUntouched() const {
        const struct stat now = Info();
        EXPECT_EQ(now.st_mode, before_.st_mode);
        EXPECT_EQ(now.st_uid, before_.st_uid);
        EXPECT_EQ(now.st_gid, before_.st_gid);
        std::ifstream file(path_);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), kContent);
    }

  private:
    static constexpr const char* kContent = "private key of somebody else\n";

    struct stat Info() const {
        struct stat info {};
        EXPECT_EQ(::stat(path_.c_str(), &info), 0);
        return info;
    }

    std::filesystem::path path_;
    struct stat before_ {};
};

// Puts `plant` under `at`, pointing at `victim` where it points anywhere.
inline void PlantAt(const std::filesystem::path& at, Plant plant, const Victim& victim) {
    switch (plant) {
        case Plant::kLinkToVictim:
            ASSERT_EQ(::symlink(victim.Path().c_str(), at.c_str()), 0);
            break;
        case Plant::kFifo:
            ASSERT_EQ(::mkfifo(at.c_str(), 0666), 0);
            break;
        case Plant::kFolder:
            ASSERT_EQ(::mkdir(at.c_str(), 0777), 0);
            break;
        case Plant::kHardLinkToVictim:
            ASSERT_EQ(::link(victim.Path().c_str(), at.c_str()), 0);
            break;
    }
}

}  // namespace orvane::testing
