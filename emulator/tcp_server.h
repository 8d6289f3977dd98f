// The printer's network side: the listening socket and one framed connection of the network port
// library's wire convention.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "emulator/link.h"

namespace orvane::sim {

// The printer's network side: a listening socket, one thread per connection, speaking the framed
// wire convention of the network port library.
class TcpServer {
  public:
    ~TcpServer();

    // Binds "HOST:PORT" or "[IPv6]:PORT" (port 0 picks a free one); empty on success, else the reason.
    std::string Listen(const std::string& address);
    // The address actually bound, as "host:port" ("[::1]:port" for IPv6).
    const std::string& Bound() const { return bound_; }
    // Accepts and serves connections until a stop is requested, then waits for their threads.
    void Run(Responder& responder);

  private:
    int listener_ = -1;
    std::string bound_;
    std::vector<std::thread> connections_;
};

// One network connection: frames of 1 type byte, 4-byte big-endian length and the bytes.
class TcpLink : public Link {
  public:
    TcpLink(int socket, Responder& responder) : socket_(socket), responder_(responder) {}
    ~TcpLink() override;

    bool Receive(std::string& bytes, int timeout_ms) override;
    bool Send(std::string_view transfer) override;
    void Separate() override {}
    // Sends an 'N' frame with the count of data frames taken, when the computer asked for them and
    // the count changed since the last one.
    bool AnsweredAll() override;
    void Break(std::string_view transfer) override;

  private:
    bool SendFrame(char type, std::string_view bytes, std::size_t announced);
    bool TakeFrames(std::string& bytes);

    int socket_;
    Responder& responder_;
    std::string input_;
    std::uint32_t data_frames_taken_ = 0;           // modulo 2^32, as the count goes out
    std::optional<std::uint32_t> announced_count_;  // the count of the last 'N' frame sent
    bool nothing_more_asked_ = false;               // the computer sent an 'N' request
};

}  // namespace orvane::sim
