// The port monitor back end (family 1) against stand-in monitor modules "sysfmon" and "Portvane".
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "transport/internal/last_error.h"
#include "transport/internal/port_channel.h"
#include "transport/port_transport.h"
#include "transport/transport_codes.h"
#include "transport_test_env.h"

namespace orvane {
namespace {

using testing::kWindows95;

class MonitorFakeTest : public testing::TransportFolders {
  protected:
    void SetUp() override {
        TransportFolders::SetUp();
        log_path_ = root_ / "calls.log";
        ::setenv("ORVANE_MONITOR_DIR", FAKE_MONITOR_DIR, 1);
        ::setenv("FAKE_MONITOR_LOG", log_path_.c_str(), 1);
        ::setenv("FAKE_MONITOR_MODE", "", 1);
    }

    std::unique_ptr<PortChannel> Create(const char* name) {
        return PortChannel::Create(name, 0, testing::HooksFor(kWindows95, &pauses_));
    }

    // The calls logged since the last look.
    std::vector<std::string> Calls() { return testing::TakeLogLines(log_path_); }

    std::filesystem::path log_path_;
};

TEST_F(MonitorFakeTest, PortNamesChooseTheModule) {
    auto system = Create("USBPRN01");
    ASSERT_NE(system, nullptr) << std::hex << TransportLastError();
    EXPECT_EQ(Calls(),
              (std::vector<std::string>{"sysfmon InitializeMonitorEx null", "sysfmon OpenPort USBPRN01",
                                        "sysfmon StartDocPort port null 0 2 zeroed"}));
    auto maker = Create("PVUSBPRN99:");
    ASSERT_NE(maker, nullptr);
    EXPECT_EQ(Calls(), (std::vector<std::string>{
                           "Portvane InitializeMonitorEx null",
                           "Portvane OpenPort PVUSBPRN99:", "Portvane StartDocPort port null 0 2 zeroed"}));
    maker.reset();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"Portvane EndDocPort", "Portvane ClosePort"}));
}

TEST_F(MonitorFakeTest, IncompleteTablesAndFailedOpensAreGeneralFailures) {
    for (const char* mode :
         {"init-fails", "null-OpenPort", "null-StartDocPort", "null-WritePort", "null-ReadPort",
          "null-EndDocPort", "null-ClosePort", "null-DeletePort", "open-fails"}) {
        ::setenv("FAKE_MONITOR_MODE", mode, 1);
        EXPECT_EQ(Create("USBPRN01"), nullptr) << mode;
        EXPECT_EQ(TransportLastError(), transport_code::kGeneralFailure) << mode;
    }
    Calls();
    ::setenv("FAKE_MONITOR_MODE", "startdoc-fails", 1);
    EXPECT_EQ(Create("USBPRN01"), nullptr);
    EXPECT_EQ(TransportLastError(), transport_code::kGeneralFailure);
    const std::vector<std::string> calls = Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), "sysfmon ClosePort");
}

TEST_F(MonitorFakeTest, MissingModuleIsAGeneralFailure) {
    ::setenv("ORVANE_MONITOR_DIR", root_.c_str(), 1);
    EXPECT_EQ(Create("USBPRN01"), nullptr);
    EXPECT_EQ(TransportLastError(), transport_code::kGeneralFailure);
}

TEST_F(MonitorFakeTest, DeviceErrorsAreRetriedWithinTheTimeout) {
    auto channel = Create("USBPRN01");
    ASSERT_NE(channel, nullptr);
    Calls();
    ::setenv("FAKE_MONITOR_MODE", "io-3", 1);
    const std::vector<uint8_t> data(10000, 7);
    uint32_t written = 0;
    ASSERT_TRUE(channel->Write(data.data(), 10000, &written, 60000));
    EXPECT_EQ(written, 4096u);  // one chunk at most
    EXPECT_EQ(Calls(), std::vector<std::string>{"sysfmon WritePort 4096 after 3 failures"});
}

TEST_F(MonitorFakeTest, DeviceErrorsWithoutRetriesOrPastTheTimeoutAreWriteTimeouts) {
    auto channel = Create("USBPRN01");
    ASSERT_NE(channel, nullptr);
    const uint8_t byte = 1;
    uint32_t written = 0;
    ::setenv("FAKE_MONITOR_MODE", "io-1", 1);
    EXPECT_FALSE(channel->Write(&byte, 1, &written, 0));  // a time-out of 0 allows no retry
    EXPECT_EQ(TransportLastError(), transport_code::kWriteTimeout);
    ::setenv("FAKE_MONITOR_MODE", "io-always", 1);
    EXPECT_FALSE(channel->Write(&byte, 1, &written, 20));
    EXPECT_EQ(TransportLastError(), transport_code::kWriteTimeout);
    ::setenv("FAKE_MONITOR_MODE", "other-error", 1);
    EXPECT_FALSE(channel->Write(&byte, 1, &written, 60000));
    EXPECT_EQ(TransportLastError(), transport_code::kGeneralFailure);
}

TEST_F(MonitorFakeTest, ReadsGoThroughReadPort) {
    PortTransport transport(testing::HooksFor(kWindows95, &pauses_));
    uint32_t code = 0;
    ASSERT_TRUE(transport.Open("USBPRN01", 0, &code));
    EXPECT_EQ(transport.ChunkSize(), kReadChunkSize);
    Calls();
    std::vector<uint8_t> buffer(100);
    uint32_t length = 0;
    ASSERT_TRUE(transport.ReadResponse(buffer.data(), 100, &length, 5000, &code));
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + length), "hello");
    EXPECT_EQ(Calls(), std::vector<std::string>{"sysfmon ReadPort 4096"});
    ::setenv("FAKE_MONITOR_MODE", "read-fails", 1);
    EXPECT_FALSE(transport.ReadResponse(buffer.data(), 100, &length, 5000, &code));
    EXPECT_EQ(code, transport_code::kReadPortFailed);
}

TEST_F(MonitorFakeTest, ReadsUseTheChunkSizeTheOwnerSet) {
    PortTransport transport(testing::HooksFor(kWindows95, &pauses_));
    transport.SetReadChunkSize(kNetworkReadChunkSize);
    uint32_t code = 0;
    for (int open = 0; open < 2; ++open) {  // the size holds for every open, not just the first
        ASSERT_TRUE(transport.Open("USBPRN01", 0, &code));
        Calls();
        uint8_t buffer[100];
        uint32_t length = 0;
        ASSERT_TRUE(transport.ReadResponse(buffer, sizeof(buffer), &length, 5000, &code));
        EXPECT_EQ(Calls(), std::vector<std::string>{"sysfmon ReadPort 16384"});
        ASSERT_TRUE(transport.Close(&code));
    }
}

}  // namespace
}  // namespace orvane
