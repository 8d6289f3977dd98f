// The network back end against a stand-in library: every check of the entry table, each status
// case, and the calls the channel makes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "transport/internal/last_error.h"
#include "transport/internal/port_channel.h"
#include "transport/port_transport.h"
#include "transport/transport_codes.h"
#include "transport_test_env.h"

namespace orvane {
namespace {

using testing::kWindowsXp;

class NetworkFakeTest : public testing::TransportFolders {
  protected:
    void SetUp() override {
        TransportFolders::SetUp();
        log_path_ = root_ / "calls.log";
        ::setenv("ORVANE_NETPORT_LIBRARY", FAKE_NETPAP_PATH, 1);
        ::setenv("FAKE_NETPAP_LOG", log_path_.c_str(), 1);
        ::setenv("FAKE_NETPAP_MODE", "", 1);
        ::setenv("FAKE_NETPAP_STATUS", "STA:10;", 1);
    }
    void TearDown() override {
        ::unsetenv("ORVANE_NETPORT_LIBRARY");
        TransportFolders::TearDown();
    }

    std::unique_ptr<PortChannel> Create(uint32_t flags) {
        return PortChannel::Create("VLNETP_printer", flags, testing::HooksFor(kWindowsXp, &pauses_));
    }

    // The calls logged since the last look.
    std::vector<std::string> Calls() { return testing::TakeLogLines(log_path_); }

    std::filesystem::path log_path_;
};

TEST_F(NetworkFakeTest, TablesThatFailTheChecksAreGivenBack) {
    for (const char* mode :
         {"small-table", "null-open", "null-close", "null-write", "null-read", "null-status", "null-spare"}) {
        ::setenv("FAKE_NETPAP_MODE", mode, 1);
        EXPECT_EQ(Create(12), nullptr) << mode;
        EXPECT_EQ(TransportLastError(), transport_code::kGeneralFailure) << mode;
        EXPECT_EQ(Calls(), (std::vector<std::string>{"init module", "uninit"})) << mode;
    }
    ::setenv("FAKE_NETPAP_MODE", "no-table", 1);
    EXPECT_EQ(Create(12), nullptr);
    EXPECT_EQ(TransportLastError(), transport_code::kGeneralFailure);
    EXPECT_EQ(Calls(), std::vector<std::string>{"init module"});
    ::setenv("FAKE_NETPAP_MODE", "", 1);
    EXPECT_NE(Create(12), nullptr);  // every failure above released the claim
}

TEST_F(NetworkFakeTest, MissingLibraryOrExportFails) {
    ::setenv("ORVANE_NETPORT_LIBRARY", (root_ / "nothing.so").c_str(), 1);
    EXPECT_EQ(Create(12), nullptr);
    EXPECT_EQ(TransportLastError(), transport_code::kGeneralFailure);
    ::setenv("ORVANE_NETPORT_LIBRARY", FAKE_NETPAP_NO_UNINIT_PATH, 1);
    EXPECT_EQ(Create(12), nullptr);
    EXPECT_EQ(TransportLastError(), transport_code::kGeneralFailure);
    EXPECT_EQ(Calls(), std::vector<std::string>{});
}

TEST_F(NetworkFakeTest, FailedOpenGivesTheTableBack) {
    for (const char* mode : {"open-fails", "open-no-handle"}) {
        ::setenv("FAKE_NETPAP_MODE", mode, 1);
        EXPECT_EQ(Create(12), nullptr);
        EXPECT_EQ(TransportLastError(), transport_code::kGeneralFailure);
        EXPECT_EQ(Calls(), (std::vector<std::string>{"init module", "open VLNETP_printer 0", "uninit"}))
            << mode;
    }
}

TEST_F(NetworkFakeTest, WithoutStatusFlagOneReadChecksThePrinter) {
    auto channel = Create(4);
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"init module", "open VLNETP_printer 0", "read 4096"}));
    EXPECT_EQ(pauses_.Take(), std::vector<uint32_t>{100});
    channel.reset();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"close", "uninit"}));

    ::setenv("FAKE_NETPAP_MODE", "read-fails", 1);
    EXPECT_EQ(Create(4), nullptr);
    EXPECT_EQ(TransportLastError(), transport_code::kGeneralFailure);
    EXPECT_EQ(Calls(), (std::vector<std::string>{"init module", "open VLNETP_printer 0", "read 4096", "close",
                                                 "uninit"}));
    EXPECT_EQ(pauses_.Take(), std::vector<uint32_t>{});
}

struct StatusRow {
    const char* status;
    const char* mode;
    uint32_t code;
    std::vector<std::string> calls_after_open;
    std::vector<uint32_t> pauses;
};

TEST_F(NetworkFakeTest, StatusDecidesTheOpen) {
    const std::vector<std::string> busy_close{"status 4096", "close", "uninit"};
    const StatusRow rows[] = {
        {"STA:10;", "", 0, {"status 4096", "read 4096", "close", "uninit"}, {100}},
        {"sta:20;PRG:0;", "", 0, {"status 4096", "read 4096", "close", "uninit"}, {100}},
        {"STA:11;", "", transport_code::kNetworkPrinterBusy, busy_close, {}},
        {"xx sta:19; yy", "", transport_code::kNetworkPrinterBusy, busy_close, {}},
        {"STA:30;", "", transport_code::kNetworkPrinterBusy, busy_close, {}},
        {"STA:10;STA:11;",
         "",
         transport_code::kNetworkPrinterBusy,
         busy_close,
         {}},  // busy is looked for first
        {"STA:20;",
         "read-fails",
         transport_code::kNetworkPrinterBusy,
         {"status 4096", "read 4096", "close", "uninit"},
         {8000}},
        {"STA:12;", "", transport_code::kGeneralFailure, busy_close, {}},
        {"", "", transport_code::kGeneralFailure, busy_close, {}},
        {"STA:10;", "status-fails", transport_code::kGeneralFailure, busy_close, {}},
    };
    for (const StatusRow& row : rows) {
        ::setenv("FAKE_NETPAP_STATUS", row.status, 1);
        ::setenv("FAKE_NETPAP_MODE", row.mode, 1);
        SetTransportLastError(0);
        auto channel = Create(12);
        EXPECT_EQ(channel != nullptr, row.code == 0) << row.status;
        EXPECT_EQ(channel ? 0u : TransportLastError(), row.code) << row.status;
        channel.reset();
        std::vector<std::string> expected{"init module", "open VLNETP_printer 0"};
        expected.insert(expected.end(), row.calls_after_open.begin(), row.calls_after_open.end());
        EXPECT_EQ(Calls(), expected) << row.status;
        EXPECT_EQ(pauses_.Take(), row.pauses) << row.status;
    }
}

TEST_F(NetworkFakeTest, TransportMovesBytesThroughTheLibrary) {
    PortTransport transport(testing::HooksFor(kWindowsXp, &pauses_));
    uint32_t code = 0;
    ASSERT_TRUE(transport.Open("VLNETP_printer", 12, &code));
    EXPECT_EQ(transport.ChunkSize(), kNetworkReadChunkSize);
    Calls();
    std::vector<uint8_t> data(10000, 0x41);
    uint32_t written = 0;
    ASSERT_TRUE(transport.WriteAll(data.data(), 10000, &written, 5000, &code));
    EXPECT_EQ(written, 10000u);
    std::vector<uint8_t> buffer(65536);
    uint32_t length = 0;
    ASSERT_TRUE(transport.ReadResponse(buffer.data(), 65536, &length, 5000, &code));
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + length), "answer");
    EXPECT_EQ(Calls(), (std::vector<std::string>{"write 4096", "write 4096", "write 1808", "read 16384"}));
    ASSERT_TRUE(transport.Close(&code));
    EXPECT_EQ(Calls(), (std::vector<std::string>{"close", "uninit"}));
}

TEST_F(NetworkFakeTest, LibraryFailuresAreGeneralFailures) {
    ::setenv("FAKE_NETPAP_MODE", "write-fails", 1);
    auto channel = Create(12);
    ASSERT_NE(channel, nullptr);
    uint32_t count = 0;
    const uint8_t byte = 0;
    EXPECT_FALSE(channel->Write(&byte, 1, &count, 0));
    EXPECT_EQ(TransportLastError(), transport_code::kGeneralFailure);
    channel.reset();
    ::setenv("FAKE_NETPAP_MODE", "", 1);
    channel = Create(12);
    ASSERT_NE(channel, nullptr);
    ::setenv("FAKE_NETPAP_MODE", "read-fails", 1);
    uint8_t buffer[8];
    EXPECT_FALSE(channel->Read(buffer, sizeof(buffer), &count, 0));
    EXPECT_EQ(TransportLastError(), transport_code::kGeneralFailure);
}

TEST_F(NetworkFakeTest, SecondOpenOfTheSamePortIsInUse) {
    auto first = Create(12);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Create(12), nullptr);
    EXPECT_EQ(TransportLastError(), transport_code::kPortInUse);
}

}  // namespace
}  // namespace orvane
