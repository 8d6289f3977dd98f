// The virtual printer's device node as the computer sees it through the published name.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "emulator/usb_device.h"

namespace orvane::sim {
namespace {

class UsbDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/orvane-usb-device-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = pattern;
        ASSERT_EQ(device_.Publish(folder_, 0), "");
        node_ = ::open(device_.Path().c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(node_, 0);
    }
    void TearDown() override {
        if (node_ >= 0) ::close(node_);
        device_.Unpublish();
        std::filesystem::remove_all(folder_);
    }

    // One non-blocking read of the node: its bytes, or `error` set to the errno of a failed read.
    std::string ReadNode(int* error) {
        char buffer[4096];
        const ssize_t got = ::read(node_, buffer, sizeof buffer);
        *error = got < 0 ? errno : 0;
        return got > 0 ? std::string(buffer, static_cast<std::size_t>(got)) : std::string();
    }

    std::string folder_;
    UsbDevice device_;
    int node_ = -1;
};

TEST_F(UsbDeviceTest, ANodeWithNothingSentYetIsEmptyNotEnded) {
    int error = 0;
    EXPECT_EQ(ReadNode(&error), "");
    EXPECT_EQ(error, EAGAIN);
}

TEST_F(UsbDeviceTest, ACompleteTransferEndsWithAZeroLengthRead) {
    ASSERT_TRUE(device_.Send("<?xml answer"));
    int error = -1;
    EXPECT_EQ(ReadNode(&error), "<?xml answer");
    EXPECT_EQ(error, 0);
    error = -1;
    EXPECT_EQ(ReadNode(&error), "");
    EXPECT_EQ(error, 0);  // a zero-length read, not "try again"

    ASSERT_TRUE(device_.Send("next"));
    EXPECT_EQ(ReadNode(&error), "next");
    EXPECT_EQ(ReadNode(&error), "");
    EXPECT_EQ(error, 0);
}

}  // namespace
}  // namespace orvane::sim
