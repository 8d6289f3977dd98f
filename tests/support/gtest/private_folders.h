// The named-object folders of the transport and the user's data folder (directory backups), private to
// one test program and inherited by every program it runs.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane::testsupport {

// Register once per program: ::testing::AddGlobalTestEnvironment(new PrivateFolders).
class PrivateFolders : public ::testing::Environment {
  public:
    // Points the named objects below a fresh temporary folder (the programs make their folders, each
    // with the mode its scope asks for) and XDG_DATA_HOME at a folder made there.
    void SetUp() override;
    // Removes the folder with everything in it.
    void TearDown() override;

  private:
    std::filesystem::path root_;
};

}  // namespace orvane::testsupport
