#include "private_folders.h"

#include <cstdlib>
#include <string>

#include "isolated_folders.h"

namespace orvane::testsupport {

void PrivateFolders::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvane-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    PointObjectFolders(root_);
    const std::filesystem::path data = root_ / "XDG_DATA_HOME";
    std::filesystem::create_directory(data);
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
}

void PrivateFolders::TearDown() {
    std::error_code ignored;
    if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
}

}  // namespace orvane::testsupport
