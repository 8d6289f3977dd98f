// The USB back end against a pseudo-terminal standing in for the printer's device node.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <thread>
#include <vector>

#include "transport/internal/last_error.h"
#include "transport/internal/port_channel.h"
#include "transport/port_transport.h"
#include "transport/transport_codes.h"
#include "transport_test_env.h"

namespace orvane {
namespace {

using testing::kWindowsXp;

// Bytes 0..n-1 of a recognisable pattern that starts at `seed`.
std::vector<uint8_t> Pattern(size_t n, int seed) {
    std::vector<uint8_t> bytes(n);
    for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>((i * 7 + seed) % 251);
    return bytes;
}

class UsbPtyTest : public testing::TransportFolders {
  protected:
    void SetUp() override {
        TransportFolders::SetUp();
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(master_, 0);
        ASSERT_EQ(::grantpt(master_), 0);
        ASSERT_EQ(::unlockpt(master_), 0);
        const char* slave_path = ::ptsname(master_);
        ASSERT_NE(slave_path, nullptr);
        // Holding the slave open keeps the terminal alive while the client opens and closes it.
        slave_ = ::open(slave_path, O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(slave_, 0);
        termios raw{};
        ASSERT_EQ(::tcgetattr(slave_, &raw), 0);
        ::cfmakeraw(&raw);
        ASSERT_EQ(::tcsetattr(slave_, TCSANOW, &raw), 0);
        std::filesystem::create_symlink(slave_path, root_ / "usb" / "lp0");
    }
    void TearDown() override {
        if (peer_.joinable()) peer_.join();
        ::close(slave_);
        ::close(master_);
        TransportFolders::TearDown();
    }

    std::unique_ptr<PortChannel> OpenChannel() {
        auto channel = PortChannel::Create("USB001", 0, testing::HooksFor(kWindowsXp, &pauses_));
        EXPECT_NE(channel, nullptr) << std::hex << TransportLastError();
        pauses_.Take();
        return channel;
    }

    // A transport opened on the port.
    std::unique_ptr<PortTransport> OpenTransport() {
        auto transport = std::make_unique<PortTransport>(testing::HooksFor(kWindowsXp, &pauses_));
        uint32_t code = 0;
        EXPECT_TRUE(transport->Open("USB001", 0, &code)) << std::hex << code;
        return transport;
    }

    // One response read through the transport; `code` gets its code.
    static std::vector<uint8_t> ReadResponse(PortTransport& transport, uint32_t capacity, uint32_t timeout_ms,
                                             uint32_t* code) {
        std::vector<uint8_t> buffer(capacity);
        uint32_t length = 0;
        transport.ReadResponse(buffer.data(), capacity, &length, timeout_ms, code);
        buffer.resize(length);
        return buffer;
    }

    // Reads exactly n bytes the client wrote to the device.
    std::vector<uint8_t> ReceiveFromClient(size_t n) {
        std::vector<uint8_t> bytes(n);
        size_t got = 0;
        while (got < n) {
            const ssize_t r = ::read(master_, bytes.data() + got, n - got);
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) break;
            got += static_cast<size_t>(r);
        }
        bytes.resize(got);
        return bytes;
    }

    // Lets a peer thread send `bytes` to the client as the printer's answer.
    void SendToClient(std::vector<uint8_t> bytes) {
        peer_ = std::thread([this, bytes = std::move(bytes)] {
            size_t sent = 0;
            while (sent < bytes.size()) {
                const ssize_t w = ::write(master_, bytes.data() + sent, bytes.size() - sent);
                if (w < 0 && errno == EINTR) continue;
                if (w <= 0) return;
                sent += static_cast<size_t>(w);
            }
        });
    }

    int master_ = -1;
    int slave_ = -1;
    std::thread peer_;
};

TEST_F(UsbPtyTest, PresenceTestOpensAndClosesTheDevice) {
    auto channel = PortChannel::Create("USB001", 0, testing::HooksFor(kWindowsXp, &pauses_));
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(pauses_.Take(), std::vector<uint32_t>{100});
    EXPECT_EQ(PortChannel::Create("USB001", 0, testing::HooksFor(kWindowsXp, &pauses_)), nullptr);
    EXPECT_EQ(TransportLastError(), transport_code::kPortInUse);
}

TEST_F(UsbPtyTest, WritesGoOutInChunksOf4096) {
    auto channel = OpenChannel();
    ASSERT_NE(channel, nullptr);
    const std::vector<uint8_t> data = Pattern(10000, 1);
    uint32_t written = 0;
    ASSERT_TRUE(channel->Write(data.data(), 10000, &written, 5000));
    EXPECT_EQ(written, 4096u);
    EXPECT_EQ(ReceiveFromClient(4096), std::vector<uint8_t>(data.begin(), data.begin() + 4096));
    channel.reset();

    PortTransport transport(testing::HooksFor(kWindowsXp, &pauses_));
    uint32_t code = 0;
    ASSERT_TRUE(transport.Open("USB001", 0, &code));
    ASSERT_TRUE(transport.WriteAll(data.data(), 10000, &written, 5000, &code));
    EXPECT_EQ(written, 10000u);
    EXPECT_EQ(ReceiveFromClient(10000), data);
    EXPECT_FALSE(transport.WriteAll(data.data(), 0, &written, 5000, &code));
    EXPECT_EQ(code, transport_code::kMissingArgument);
}

TEST_F(UsbPtyTest, ResponseSplitOverSeveralReads) {
    auto transport = OpenTransport();
    const std::vector<uint8_t> response = Pattern(10000, 2);
    SendToClient(response);
    uint32_t code = 99;
    EXPECT_EQ(ReadResponse(*transport, 65536, 5000, &code), response);
    EXPECT_EQ(code, 0u);
    const std::vector<uint32_t> pauses = pauses_.Take();
    EXPECT_EQ(std::count(pauses.begin(), pauses.end(), 10u), 3);  // three chunks: 4096, 4096, 1808
}

TEST_F(UsbPtyTest, ResponseOfExactlyWholeChunksIsComplete) {
    auto transport = OpenTransport();
    for (size_t size : {size_t{4096}, size_t{8192}}) {
        const std::vector<uint8_t> response = Pattern(size, 3);
        SendToClient(response);
        uint32_t code = 99;
        // The node marks no end: the read after the last full chunk times out, and that ends it.
        EXPECT_EQ(ReadResponse(*transport, 65536, 2000, &code), response);
        EXPECT_EQ(code, 0u);
        peer_.join();
    }
}

TEST_F(UsbPtyTest, ResponseThatDoesNotFitReportsOverflow) {
    auto transport = OpenTransport();
    const std::vector<uint8_t> response = Pattern(6000, 4);
    SendToClient(response);
    uint32_t code = 0;
    EXPECT_EQ(ReadResponse(*transport, 5000, 5000, &code),
              std::vector<uint8_t>(response.begin(), response.begin() + 4096));
    EXPECT_EQ(code, transport_code::kResponseOverflow);
}

TEST_F(UsbPtyTest, SilentPeerTimesOut) {
    auto channel = OpenChannel();
    ASSERT_NE(channel, nullptr);
    std::vector<uint8_t> buffer(4096, 0xAA);
    uint32_t got = 99;
    EXPECT_FALSE(channel->Read(buffer.data(), 4096, &got, 50));
    EXPECT_EQ(TransportLastError(), transport_code::kUsbIoFailure);
    EXPECT_EQ(channel->LastCode(), transport_code::kUsbIoFailure);
    EXPECT_TRUE(channel->LastReadTimedOut());
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(buffer, std::vector<uint8_t>(4096, 0));
    channel.reset();

    PortTransport transport(testing::HooksFor(kWindowsXp, &pauses_));
    uint32_t code = 0;
    ASSERT_TRUE(transport.Open("USB001", 0, &code));
    uint32_t length = 7;
    EXPECT_FALSE(transport.ReadResponse(buffer.data(), 4096, &length, 50, &code));
    EXPECT_EQ(code, transport_code::kUsbIoFailure);
    EXPECT_EQ(length, 0u);
}

TEST_F(UsbPtyTest, PendingWriteIsFinishedByTheNextWrite) {
    auto channel = OpenChannel();
    ASSERT_NE(channel, nullptr);
    std::vector<uint8_t> accepted;
    uint32_t written = 0;
    bool timed_out = false;
    // Nobody reads the master side, so the terminal's buffers fill up and a write stays pending.
    for (int chunk = 0; chunk < 4096 && !timed_out; ++chunk) {
        const std::vector<uint8_t> data = Pattern(4096, chunk);
        if (channel->Write(data.data(), 4096, &written, 20)) {
            ASSERT_EQ(written, 4096u);
            accepted.insert(accepted.end(), data.begin(), data.end());
        } else {
            ASSERT_EQ(TransportLastError(), transport_code::kWriteTimeout);
            accepted.insert(accepted.end(), data.begin(), data.end());  // the pending chunk goes out later
            timed_out = true;
        }
    }
    ASSERT_TRUE(timed_out);
    pauses_.Take();

    std::vector<uint8_t> received;
    std::thread drain([&] { received = ReceiveFromClient(accepted.size()); });
    const std::vector<uint8_t> ignored = Pattern(4096, 9999);
    ASSERT_TRUE(channel->Write(ignored.data(), 1000, &written, 15000)) << std::hex << TransportLastError();
    EXPECT_EQ(written, 4096u);  // the earlier chunk's length; the new data was not sent
    drain.join();
    EXPECT_EQ(received, accepted);

    const std::vector<uint8_t> next = Pattern(300, 77);
    ASSERT_TRUE(channel->Write(next.data(), 300, &written, 5000));
    EXPECT_EQ(written, 300u);
    EXPECT_EQ(ReceiveFromClient(300), next);
}

TEST_F(UsbPtyTest, CloseCancelsAPendingWrite) {
    auto channel = OpenChannel();
    ASSERT_NE(channel, nullptr);
    uint32_t written = 0;
    const std::vector<uint8_t> data = Pattern(4096, 5);
    bool timed_out = false;
    for (int chunk = 0; chunk < 4096 && !timed_out; ++chunk) {
        timed_out = !channel->Write(data.data(), 4096, &written, 20);
    }
    ASSERT_TRUE(timed_out);
    EXPECT_EQ(TransportLastError(), transport_code::kWriteTimeout);
    channel.reset();  // returns although the device still takes nothing
    EXPECT_NE(PortChannel::Create("USB001", 0, testing::HooksFor(kWindowsXp, &pauses_)), nullptr);
}

TEST_F(UsbPtyTest, CloseAfterAnImmediateWritePauses) {
    auto channel = OpenChannel();
    ASSERT_NE(channel, nullptr);
    uint32_t written = 0;
    const std::vector<uint8_t> data = Pattern(100, 6);
    ASSERT_TRUE(channel->Write(data.data(), 100, &written, 5000));
    EXPECT_EQ(pauses_.Take(), std::vector<uint32_t>{100});
    EXPECT_EQ(ReceiveFromClient(100), data);
}

TEST_F(UsbPtyTest, VanishedDeviceIsNotFound) {
    auto channel = OpenChannel();
    ASSERT_NE(channel, nullptr);
    std::filesystem::remove(root_ / "usb" / "lp0");
    uint32_t written = 0;
    const uint8_t byte = 1;
    EXPECT_FALSE(channel->Write(&byte, 1, &written, 100));
    EXPECT_EQ(TransportLastError(), transport_code::kUsbDeviceNotFound);
    uint8_t buffer[16];
    EXPECT_FALSE(channel->Read(buffer, sizeof(buffer), &written, 100));
    EXPECT_EQ(TransportLastError(), transport_code::kUsbDeviceNotFound);
}

}  // namespace
}  // namespace orvane
