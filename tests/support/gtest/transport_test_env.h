// Test surroundings of the transport: private object, session and device folders, and hooks that
// report a chosen Windows version and record pauses instead of sleeping.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "isolated_folders.h"
#include "transport/os_family.h"

namespace orvane::testing {

// Version reports of the families under test.
inline const OsVersion kWindows95{4, 0, kPlatformWin32Windows};
inline const OsVersion kWindowsMe{4, 90, kPlatformWin32Windows};
inline const OsVersion kWindowsNt4{4, 0, kPlatformWin32Nt};
inline const OsVersion kWindows2000{5, 0, kPlatformWin32Nt};
inline const OsVersion kWindowsXp{5, 1, kPlatformWin32Nt};

// Pauses asked for through the hooks, in order.
class PauseLog {
  public:
    void Add(uint32_t ms) {
        std::lock_guard<std::mutex> lock(mutex_);
        pauses_.push_back(ms);
    }
    std::vector<uint32_t> Take() {
        std::lock_guard<std::mutex> lock(mutex_);
        return std::exchange(pauses_, {});
    }

  private:
    std::mutex mutex_;
    std::vector<uint32_t> pauses_;
};

// Hooks reporting `version` and recording pauses in `log` (which must outlive them).
inline TransportHooks HooksFor(const OsVersion& version, PauseLog* log) {
    TransportHooks hooks;
    hooks.os_version = [version](OsVersion* out) {
        *out = version;
        return true;
    };
    hooks.sleep = [log](uint32_t ms) { log->Add(ms); };
    return hooks;
}

// The lines of a log file, which is then removed so that the next look starts afresh.
inline std::vector<std::string> TakeLogLines(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    std::filesystem::remove(path);
    return lines;
}

// A fixture with private machine, session and USB device folders for this process.
class TransportFolders : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() /
                ("orvane-transport-" + std::to_string(::getpid()) + "-" + std::to_string(++counter_));
        std::filesystem::create_directories(root_ / "usb");
        ASSERT_TRUE(testsupport::MakeObjectFolders(root_ / "machine", root_ / "session"));
        ::setenv("ORVANE_USB_DEVICE_DIR", (root_ / "usb").c_str(), 1);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    std::filesystem::path root_;
    PauseLog pauses_;

  private:
    static inline int counter_ = 0;
};

}  // namespace orvane::testing
