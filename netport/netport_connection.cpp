#include "netport/internal/netport_connection.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "netport/vlmnppm.h"

namespace orvane::netport {
namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kHeaderSize = 5;
constexpr uint32_t kMaxFrameLength = 1u << 20;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::max<long long>(left, 0));
}

// Polls one descriptor until `events` or the deadline; false on time-out or error.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int result = ::poll(&entry, 1, MillisecondsLeft(deadline));
        if (result < 0 && errno == EINTR) continue;
        return result > 0;
    }
}

// Connects one resolved address without blocking past the deadline; the socket or -1.
int ConnectAddress(const addrinfo* address, Clock::time_point deadline) {
    const int fd = ::socket(address->ai_family, address->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK,
                            address->ai_protocol);
    if (fd < 0) return -1;
    bool connected = ::connect(fd, address->ai_addr, address->ai_addrlen) == 0;
    if (!connected && errno == EINPROGRESS && WaitFor(fd, POLLOUT, deadline)) {
        int error = 0;
        socklen_t size = sizeof(error);
        connected = ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
    if (!connected) {
        ::close(fd);
        return -1;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
    return fd;
}

uint32_t BigEndian32(const uint8_t* bytes) {
    return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | bytes[3];
}

}  // namespace

Connection::~Connection() {
    Shut();
}

void Connection::Shut() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

uint32_t Connection::Connect(const std::string& host, uint16_t port, int timeout_ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* addresses = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &addresses) != 0) {
        return kNetportConnectFailed;
    }
    for (const addrinfo* address = addresses; address != nullptr && fd_ < 0; address = address->ai_next) {
        fd_ = ConnectAddress(address, deadline);
    }
    ::freeaddrinfo(addresses);
    return fd_ >= 0 ? 0 : kNetportConnectFailed;
}

uint32_t Connection::SendFrame(char type, const void* data, size_t length) {
    if (fd_ < 0) return kNetportClosed;
    std::vector<uint8_t> frame(kHeaderSize + length);
    frame[0] = static_cast<uint8_t>(type);
    for (int i = 0; i < 4; ++i) frame[1 + i] = static_cast<uint8_t>(length >> (24 - 8 * i));
    if (length > 0) std::memcpy(frame.data() + kHeaderSize, data, length);
    size_t sent = 0;
    while (sent < frame.size()) {
        const ssize_t n = ::send(fd_, frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            if (!WaitFor(fd_, POLLOUT, Clock::now() + std::chrono::seconds(30))) return kNetportSendFailed;
        } else {
            return kNetportSendFailed;
        }
    }
    if (type == 'D') ++data_frames_sent_;
    return 0;
}

bool Connection::TakeBufferedFrame(Frame* frame, bool* malformed) {
    *malformed = false;
    if (incoming_.size() < kHeaderSize) return false;
    const uint32_t length = BigEndian32(incoming_.data() + 1);
    if (length > kMaxFrameLength) {
        *malformed = true;
        return false;
    }
    if (incoming_.size() < kHeaderSize + length) return false;
    frame->type = static_cast<char>(incoming_[0]);
    frame->bytes.assign(incoming_.begin() + kHeaderSize, incoming_.begin() + kHeaderSize + length);
    incoming_.erase(incoming_.begin(), incoming_.begin() + kHeaderSize + length);
    return true;
}

Connection::Receive Connection::ReceiveFrame(Frame* frame, int timeout_ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        bool malformed = false;
        if (TakeBufferedFrame(frame, &malformed)) return Receive::Frame;
        if (malformed || fd_ < 0) {
            Shut();
            return Receive::Closed;
        }
        if (!WaitFor(fd_, POLLIN, deadline)) return Receive::TimedOut;
        uint8_t block[16384];
        const ssize_t got = ::recv(fd_, block, sizeof(block), 0);
        if (got > 0) {
            incoming_.insert(incoming_.end(), block, block + got);
        } else if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
            Shut();
            return Receive::Closed;
        }
    }
}

void Connection::Keep(Frame frame) {
    if (frame.type == 'D') {
        data_frames_.push_back(std::move(frame));
    } else if (frame.type == 'N' && frame.bytes.size() == 4) {
        answered_ = BigEndian32(frame.bytes.data());
    }
}

uint32_t Connection::ReadData(uint8_t* buffer, uint32_t length, uint32_t* read, int timeout_ms) {
    *read = 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    while (data_frames_.empty()) {
        // Once the printer has answered everything, only what has already arrived is taken.
        Frame frame;
        const Receive result = ReceiveFrame(&frame, PrinterDone() ? 0 : MillisecondsLeft(deadline));
        if (result == Receive::TimedOut) return 0;
        if (result == Receive::Closed) return kNetportClosed;
        Keep(std::move(frame));  // stray status replies are dropped
    }
    const std::vector<uint8_t>& current = data_frames_.front().bytes;
    const size_t count = std::min<size_t>(length, current.size() - data_offset_);
    std::memcpy(buffer, current.data() + data_offset_, count);
    data_offset_ += count;
    *read = static_cast<uint32_t>(count);
    if (data_offset_ == current.size()) {
        data_frames_.pop_front();
        data_offset_ = 0;
    }
    return 0;
}

uint32_t Connection::QueryStatus(char* buffer, uint32_t length, uint32_t* text_length, int timeout_ms) {
    *text_length = 0;
    const uint32_t sent = SendFrame('S', nullptr, 0);
    if (sent != 0) return sent;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        Frame frame;
        const Receive result = ReceiveFrame(&frame, MillisecondsLeft(deadline));
        if (result == Receive::TimedOut) return kNetportNoStatus;
        if (result == Receive::Closed) return kNetportClosed;
        if (frame.type != 'S') {
            Keep(std::move(frame));
            continue;
        }
        const size_t count = std::min<size_t>(frame.bytes.size(), length - 1);
        std::memcpy(buffer, frame.bytes.data(), count);
        buffer[count] = '\0';
        *text_length = static_cast<uint32_t>(count);
        return 0;
    }
}

}  // namespace orvane::netport
