// The real network port library, found through the program's run path, against a small TCP
// peer that speaks the library's framing.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "last_error.h"
#include "port_transport.h"
#include "transport_codes.h"
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
