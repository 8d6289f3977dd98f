#include "sim_client.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <algorithm>
#include <cstdint>
#include <utility>

namespace simtest {
namespace {

constexpr int kSettleMs = 60;

}  // namespace

std::string Request(const std::string& op, const std::string& params) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\" ?><cmd xmlns:ivec=\"" + kUri +
           "\"><ivec:contents><ivec:operation>" + op +
           "</ivec:operation><ivec:param_set servicetype=\"remotesetup\">" + params +
           "</ivec:param_set></ivec:contents></cmd>";
}

std::string Element(const std::string& doc, const std::string& name, const std::string& prefix) {
    const std::string open = "<" + prefix + ":" + name + ">";
    const std::size_t at = doc.find(open);
    if (at == std::string::npos) return "";
    const std::size_t from = at + open.size();
    return doc.substr(from, doc.find('<', from) - from);
}

SimProcess::SimProcess(std::vector<std::string> arguments) : PrinterProcess(std::move(arguments)) {
    EXPECT_TRUE(IsReady()) << "printer did not get ready";
}

bool NodeClient::Write(const std::string& bytes) {
    const int fd = ::open(path_.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else {
            pollfd p{fd, POLLOUT, 0};
            if (::poll(&p, 1, 5000) <= 0) break;
        }
    }
    ::close(fd);
    return done == bytes.size();
}

std::string NodeClient::Read(int firstMs) {
    const int fd = ::open(path_.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY);
    std::string data;
    if (fd < 0) return data;
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, data.empty() ? firstMs : kSettleMs) <= 0 || !(p.revents & POLLIN)) break;
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return data;
}

FrameClient::FrameClient(const std::string& hostPort) {
    const std::size_t colon = hostPort.rfind(':');
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(hostPort.substr(0, colon).c_str(), hostPort.substr(colon + 1).c_str(), &hints,
                      &found) != 0) {
        return;
    }
    fd_ = ::socket(found->ai_family, SOCK_STREAM, 0);
    if (fd_ >= 0 && ::connect(fd_, found->ai_addr, found->ai_addrlen) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
    ::freeaddrinfo(found);
}

FrameClient::~FrameClient() {
    if (fd_ >= 0) ::close(fd_);
}

bool FrameClient::Send(char type, const std::string& bytes) {
    const auto n = static_cast<std::uint32_t>(bytes.size());
    std::string frame = {type, static_cast<char>(n >> 24), static_cast<char>(n >> 16),
                         static_cast<char>(n >> 8), static_cast<char>(n)};
    frame += bytes;
    return ::send(fd_, frame.data(), frame.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(frame.size());
}

bool FrameClient::Receive(char& type, std::string& bytes, int timeoutMs, std::size_t* announced) {
    auto take = [&](std::string& out, std::size_t count) {
        while (out.size() < count) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, timeoutMs) <= 0) return false;
            char buffer[16384];
            const ssize_t n = ::recv(fd_, buffer, std::min(sizeof buffer, count - out.size()), 0);
            if (n <= 0) return false;
            out.append(buffer, static_cast<std::size_t>(n));
        }
        return true;
    };
    std::string header;
    bytes.clear();
    if (!take(header, 5)) return false;
    const auto* h = reinterpret_cast<const unsigned char*>(header.data());
    const std::size_t length =
        (std::size_t{h[1]} << 24) | (std::size_t{h[2]} << 16) | (std::size_t{h[3]} << 8) | h[4];
    type = header[0];
    if (announced != nullptr) *announced = length;
    return take(bytes, length);
}

std::string FrameClient::Exchange(const std::string& bytes) {
    char type = 0;
    std::string reply;
    if (!Send('D', bytes)) return "";
    while (Receive(type, reply) && type != 'D') {
    }
    return reply;
}

}  // namespace simtest
