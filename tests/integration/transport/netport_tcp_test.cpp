// The real network port library, found through the program's run path, against a small TCP
// peer that speaks the library's framing.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <dlfcn.h>

#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "transport/internal/last_error.h"
#include "transport/netpap_table.h"
#include "transport/port_transport.h"
#include "transport/transport_codes.h"
#include "transport_test_env.h"

namespace orvane {
namespace {

using testing::kWindowsXp;

struct Frame {
    char type = 0;
    std::string bytes;
};

// One-connection printer side: answers status requests with `status` and hands every data frame
// to `on_data`, which may answer.
class TcpPeer {
  public:
    TcpPeer() {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof(address);
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::listen(listener_, 1) != 0)
            return;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
    }
    ~TcpPeer() {
        if (thread_.joinable()) thread_.join();
        ::close(listener_);
    }

    std::string PortName() const { return "VLNETP_127.0.0.1:" + std::to_string(port_); }

    void Serve(std::string status, std::function<void(int, const std::string&)> on_data) {
        thread_ = std::thread([this, status = std::move(status), on_data = std::move(on_data)] {
            const int connection = ::accept(listener_, nullptr, nullptr);
            if (connection < 0) return;
            Frame frame;
            while (Receive(connection, &frame)) {
                if (frame.type == 'S') Send(connection, 'S', status);
                if (frame.type == 'D') on_data(connection, frame.bytes);
            }
            ::close(connection);
        });
    }

    static void Send(int connection, char type, const std::string& bytes) {
        std::string frame(1, type);
        for (int shift = 24; shift >= 0; shift -= 8)
            frame.push_back(static_cast<char>(bytes.size() >> shift));
        frame += bytes;
        (void)!::send(connection, frame.data(), frame.size(), MSG_NOSIGNAL);
    }

  private:
    static bool ReceiveExactly(int connection, char* out, size_t n) {
        size_t got = 0;
        while (got < n) {
            const ssize_t r = ::recv(connection, out + got, n - got, 0);
            if (r <= 0) return false;
            got += static_cast<size_t>(r);
        }
        return true;
    }
    static bool Receive(int connection, Frame* frame) {
        unsigned char header[5];
        if (!ReceiveExactly(connection, reinterpret_cast<char*>(header), 5)) return false;
        const size_t length =
            (size_t{header[1]} << 24) | (size_t{header[2]} << 16) | (size_t{header[3]} << 8) | header[4];
        frame->type = static_cast<char>(header[0]);
        frame->bytes.assign(length, '\0');
        return ReceiveExactly(connection, frame->bytes.data(), length);
    }

    int listener_ = -1;
    uint16_t port_ = 0;
    std::thread thread_;
};

std::string Pattern(size_t n) {
    std::string bytes(n, '\0');
    for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>(i % 253);
    return bytes;
}

class NetportTcpTest : public testing::TransportFolders {
  protected:
    void SetUp() override {
        TransportFolders::SetUp();
        ::unsetenv("ORVANE_NETPORT_LIBRARY");  // the library must be found without help
    }
};

TEST_F(NetportTcpTest, DocumentsTravelAsFramesAndAnswersComeBackWhole) {
    TcpPeer peer;
    std::string request;
    const std::string answer = Pattern(20000);
    peer.Serve("STA:10;PRG:0;", [&](int connection, const std::string& bytes) {
        request += bytes;
        if (request.size() == 5000) TcpPeer::Send(connection, 'D', answer);
    });
    PortTransport transport(testing::HooksFor(kWindowsXp, &pauses_));
    uint32_t code = 0;
    ASSERT_TRUE(transport.Open(peer.PortName().c_str(), 12, &code)) << std::hex << code;
    const std::string document = Pattern(5000);
    uint32_t written = 0;
    ASSERT_TRUE(
        transport.WriteAll(reinterpret_cast<const uint8_t*>(document.data()), 5000, &written, 5000, &code));
    std::vector<uint8_t> buffer(65536);
    uint32_t length = 0;
    ASSERT_TRUE(transport.ReadResponse(buffer.data(), 65536, &length, 5000, &code)) << std::hex << code;
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + length), answer);
    ASSERT_TRUE(transport.Close(&code));
    EXPECT_EQ(request, document);
}

TEST_F(NetportTcpTest, AnswerOfExactlyOneChunkEndsWithAnEmptyRead) {
    TcpPeer peer;
    const std::string answer = Pattern(kNetworkReadChunkSize);
    peer.Serve("STA:20;",
               [&](int connection, const std::string&) { TcpPeer::Send(connection, 'D', answer); });
    PortTransport transport(testing::HooksFor(kWindowsXp, &pauses_));
    uint32_t code = 0;
    ASSERT_TRUE(transport.Open(peer.PortName().c_str(), 12, &code)) << std::hex << code;
    const uint8_t request[] = {'<', '?', 'x'};
    uint32_t written = 0;
    ASSERT_TRUE(transport.WriteAll(request, sizeof(request), &written, 5000, &code));
    std::vector<uint8_t> buffer(65536);
    uint32_t length = 0;
    ASSERT_TRUE(transport.ReadResponse(buffer.data(), 65536, &length, 5000, &code));
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + length), answer);
}

TEST_F(NetportTcpTest, BusyPrinterIsReportedWithoutThePause) {
    TcpPeer peer;
    peer.Serve("STA:11;", [](int, const std::string&) {});
    PortTransport transport(testing::HooksFor(kWindowsXp, &pauses_));
    uint32_t code = 0;
    EXPECT_FALSE(transport.Open(peer.PortName().c_str(), 12, &code));
    EXPECT_EQ(code, transport_code::kNetworkPrinterBusy);
    EXPECT_EQ(pauses_.Take(), std::vector<uint32_t>{});
}

// The library's own entries, loaded the way the transport loads them.
class NetportLibraryTest : public NetportTcpTest {
  protected:
    void SetUp() override {
        NetportTcpTest::SetUp();
        module_ = ::dlopen("libvlmnppm.so", RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(module_, nullptr) << ::dlerror();
        const auto initialize = reinterpret_cast<InitializeNETPAPFn>(::dlsym(module_, "InitializeNETPAP"));
        ASSERT_NE(initialize, nullptr);
        table_ = initialize(nullptr);
        ASSERT_NE(table_, nullptr);
    }
    void TearDown() override {
        if (module_ != nullptr) ::dlclose(module_);
        NetportTcpTest::TearDown();
    }

    std::string Read(void* handle, uint32_t length, uint32_t* result) {
        std::string bytes(length, '\0');
        uint32_t count = 0;
        *result = table_->read(handle, bytes.data(), length, &count);
        bytes.resize(count);
        return bytes;
    }

    void* module_ = nullptr;
    const NetPapTable* table_ = nullptr;
};

TEST_F(NetportLibraryTest, StatusKeepsDataFramesAndReadsNeverMixFrames) {
    TcpPeer peer;
    peer.Serve("STA:10;PRG:0;", [](int connection, const std::string& bytes) {
        if (bytes == "go") {
            TcpPeer::Send(connection, 'D', "first");
            TcpPeer::Send(connection, 'D', "second");
        }
    });
    void* handle = nullptr;
    ASSERT_EQ(table_->open(&handle, peer.PortName().c_str(), 0), 0u);
    ASSERT_NE(handle, nullptr);
    uint32_t written = 0;
    ASSERT_EQ(table_->write(handle, "go", 2, &written), 0u);
    EXPECT_EQ(written, 2u);
    char status[6];
    uint32_t status_length = 0;
    ASSERT_EQ(table_->status(handle, status, sizeof(status), &status_length), 0u);
    EXPECT_EQ(std::string(status), "STA:1");  // truncated to fit, NUL-terminated
    EXPECT_EQ(status_length, 5u);
    uint32_t result = 1;
    EXPECT_EQ(Read(handle, 3, &result), "fir");
    EXPECT_EQ(Read(handle, 100, &result), "st");
    EXPECT_EQ(Read(handle, 100, &result), "second");
    EXPECT_EQ(result, 0u);
    EXPECT_EQ(Read(handle, 100, &result), "");  // nothing within the wait: no bytes, success
    EXPECT_EQ(result, 0u);
    table_->close(handle);
}

// The payload of a nothing-more frame: the count of data frames the printer has taken.
std::string Count(uint32_t frames) {
    std::string bytes;
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<char>(frames >> shift));
    return bytes;
}

TEST_F(NetportLibraryTest, OnlyANothingMoreFrameThatCountsEveryRequestEndsTheWait) {
    TcpPeer peer;
    peer.Serve("STA:10;", [](int connection, const std::string& bytes) {
        if (bytes != "go") return;
        TcpPeer::Send(connection, 'N', Count(0));  // late, from before the request
        TcpPeer::Send(connection, 'D', "answer");
        TcpPeer::Send(connection, 'N', Count(1));
    });
    void* handle = nullptr;
    ASSERT_EQ(table_->open(&handle, peer.PortName().c_str(), 0), 0u);
    uint32_t written = 0;
    ASSERT_EQ(table_->write(handle, "go", 2, &written), 0u);
    uint32_t result = 1;
    EXPECT_EQ(Read(handle, 100, &result), "answer");
    EXPECT_EQ(result, 0u);
    result = 1;
    EXPECT_EQ(Read(handle, 100, &result), "");
    EXPECT_EQ(result, 0u);
    table_->close(handle);
}

TEST_F(NetportLibraryTest, ClosedConnectionAndOversizedFramesFailReads) {
    TcpPeer peer;
    peer.Serve("STA:10;", [](int connection, const std::string& bytes) {
        if (bytes == "huge") {
            const char header[] = {'D', 0x00, 0x10, 0x00, 0x01};  // 1 MiB + 1
            (void)!::send(connection, header, sizeof(header), MSG_NOSIGNAL);
        }
        if (bytes == "bye") ::shutdown(connection, SHUT_RDWR);
    });
    void* handle = nullptr;
    ASSERT_EQ(table_->open(&handle, peer.PortName().c_str(), 0), 0u);
    uint32_t written = 0;
    ASSERT_EQ(table_->write(handle, "huge", 4, &written), 0u);
    uint32_t result = 0;
    Read(handle, 100, &result);
    EXPECT_NE(result, 0u);
    table_->close(handle);

    handle = nullptr;
    TcpPeer second;
    second.Serve("STA:10;", [](int connection, const std::string& bytes) {
        if (bytes == "bye") ::shutdown(connection, SHUT_RDWR);
    });
    ASSERT_EQ(table_->open(&handle, second.PortName().c_str(), 0), 0u);
    ASSERT_EQ(table_->write(handle, "bye", 3, &written), 0u);
    Read(handle, 100, &result);
    EXPECT_NE(result, 0u);
    table_->close(handle);
}

TEST_F(NetportLibraryTest, BadArgumentsAreRefused) {
    void* handle = reinterpret_cast<void*>(1);
    EXPECT_NE(table_->open(&handle, "VLNETP_", 0), 0u);
    EXPECT_EQ(handle, nullptr);
    EXPECT_NE(table_->open(nullptr, "VLNETP_host", 0), 0u);
    EXPECT_NE(table_->open(&handle, nullptr, 0), 0u);
    uint32_t count = 0;
    EXPECT_NE(table_->read(nullptr, &count, 4, &count), 0u);
    EXPECT_NE(table_->write(nullptr, "x", 1, &count), 0u);
    EXPECT_GE(table_->size, sizeof(NetPapTable));
}

TEST_F(NetportTcpTest, UnreachableOrMalformedPortsFailToOpen) {
    PortTransport transport(testing::HooksFor(kWindowsXp, &pauses_));
    uint32_t code = 0;
    for (const char* name : {"VLNETP_127.0.0.1:1", "VLNETP_127.0.0.1:0", "VLNETP_127.0.0.1:65536",
                             "VLNETP_127.0.0.1:80x", "VLNETP_[::1", "VLNETP_:9291"}) {
        EXPECT_FALSE(transport.Open(name, 12, &code)) << name;
        EXPECT_EQ(code, transport_code::kGeneralFailure) << name;
    }
}

}  // namespace
}  // namespace orvane
