#include "emulator/tcp_server.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace orvane::sim {
namespace {

constexpr std::size_t kHeaderSize = 5;
constexpr std::size_t kMaxFrame = 1024 * 1024;

// Splits "host:port" or "[v6]:port"; false when malformed.
bool SplitAddress(const std::string& address, std::string& host, std::string& port) {
    const std::size_t colon = address.rfind(':');
    if (colon == std::string::npos || colon + 1 == address.size()) return false;
    host = address.substr(0, colon);
    port = address.substr(colon + 1);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
    return !host.empty();
}

std::string Describe(const sockaddr_storage& address) {
    char host[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET6) {
        const auto& a6 = reinterpret_cast<const sockaddr_in6&>(address);
        ::inet_ntop(AF_INET6, &a6.sin6_addr, host, sizeof host);
        return "[" + std::string(host) + "]:" + std::to_string(ntohs(a6.sin6_port));
    }
    const auto& a4 = reinterpret_cast<const sockaddr_in&>(address);
    ::inet_ntop(AF_INET, &a4.sin_addr, host, sizeof host);
    return std::string(host) + ":" + std::to_string(ntohs(a4.sin_port));
}

bool WriteAll(int socket, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string BigEndian32(std::uint32_t n) {
    return {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8),
            static_cast<char>(n)};
}

}  // namespace

TcpServer::~TcpServer() {
    if (listener_ >= 0) ::close(listener_);
}

std::string TcpServer::Listen(const std::string& address) {
    std::string host, port;
    if (!SplitAddress(address, host, port)) return "bad address " + address + " (want HOST:PORT)";
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (const int rc = ::getaddrinfo(host.c_str(), port.c_str(), &hints, &found); rc != 0) {
        return address + ": " + ::gai_strerror(rc);
    }
    std::string error = address + ": no usable address";
    for (addrinfo* a = found; a != nullptr && listener_ < 0; a = a->ai_next) {
        const int s = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        const int on = 1;
        if (s >= 0) ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        if (s >= 0 && ::bind(s, a->ai_addr, a->ai_addrlen) == 0 && ::listen(s, 8) == 0) {
            listener_ = s;
        } else {
            error = address + ": " + std::strerror(errno);
            if (s >= 0) ::close(s);
        }
    }
    ::freeaddrinfo(found);
    if (listener_ < 0) return error;
    sockaddr_storage local{};
    socklen_t length = sizeof local;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&local), &length);
    bound_ = Describe(local);
    return "";
}

void TcpServer::Run(Responder& responder) {
    while (!g_stop_requested) {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0) continue;
        const int s = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (s < 0) continue;
        const int on = 1;
        ::setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        connections_.emplace_back([s, &responder] {
            TcpLink link(s, responder);
            ServeLink(link, responder);
        });
    }
    for (auto& connection : connections_) connection.join();
    connections_.clear();
}

TcpLink::~TcpLink() {
    ::close(socket_);
}

bool TcpLink::SendFrame(char type, std::string_view bytes, std::size_t announced) {
    // One send per frame: a header sent alone would wait for the peer's delayed acknowledgement.
    std::string frame = type + BigEndian32(static_cast<std::uint32_t>(announced));
    frame.append(bytes);
    return WriteAll(socket_, frame);
}

bool TcpLink::AnsweredAll() {
    if (!nothing_more_asked_ || announced_count_ == data_frames_taken_) return true;
    announced_count_ = data_frames_taken_;
    return SendFrame('N', BigEndian32(data_frames_taken_), 4);
}

bool TcpLink::TakeFrames(std::string& bytes) {
    while (input_.size() >= kHeaderSize) {
        const auto* h = reinterpret_cast<const unsigned char*>(input_.data());
        const std::size_t length =
            (std::size_t{h[1]} << 24) | (std::size_t{h[2]} << 16) | (std::size_t{h[3]} << 8) | h[4];
        if (length > kMaxFrame) return false;
        if (input_.size() < kHeaderSize + length) return true;
        const char type = input_[0];
        if (type == 'D') {
            bytes.append(input_, kHeaderSize, length);
            ++data_frames_taken_;
        } else if (type == 'S') {
            const std::string status = responder_.NextStatus();
            if (!SendFrame('S', status, status.size())) return false;
        } else if (type == 'N') {
            nothing_more_asked_ = true;
        } else {
            return false;
        }
        input_.erase(0, kHeaderSize + length);
    }
    return true;
}

bool TcpLink::Receive(std::string& bytes, int timeout_ms) {
    pollfd p{socket_, POLLIN, 0};
    if (::poll(&p, 1, timeout_ms) <= 0) return true;
    char buffer[16384];
    const ssize_t n = ::recv(socket_, buffer, sizeof buffer, 0);
    if (n <= 0) return n < 0 && (errno == EINTR || errno == EAGAIN);
    input_.append(buffer, static_cast<std::size_t>(n));
    return TakeFrames(bytes);
}

bool TcpLink::Send(std::string_view transfer) {
    return SendFrame('D', transfer, transfer.size());
}

void TcpLink::Break(std::string_view transfer) {
    SendFrame('D', transfer.substr(0, transfer.size() / 2), transfer.size());
    ::shutdown(socket_, SHUT_RDWR);
}

}  // namespace orvane::sim
