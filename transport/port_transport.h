// PortTransport: the object through which the job protocol talks to the printer. It opens a port
// by name, writes whole buffers in 4096-byte chunks and reads one whole response.
//
// Every operation returns true on success; on failure `code` gets a transport code
// (transport_codes.h) and false is returned. Used by one thread at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "transport/os_family.h"

namespace orvane {

class PortChannel;

// Pause before each read of a response.
inline constexpr uint32_t kReadPauseMs = 10;
// Read chunk size of USB and monitor ports.
inline constexpr uint32_t kReadChunkSize = 4096;
// Read chunk size of network ports ("VLNETP_...").
inline constexpr uint32_t kNetworkReadChunkSize = 16384;

// The read chunk size for a port name: kNetworkReadChunkSize for a network port, else kReadChunkSize.
uint32_t ReadChunkSizeFor(std::string_view port_name);

class PortTransport {
  public:
    // `hooks` stand in for the operating system's version report and for sleeps (tests only).
    explicit PortTransport(TransportHooks hooks = {});
    ~PortTransport();
    PortTransport(const PortTransport&) = delete;
    PortTransport& operator=(const PortTransport&) = delete;

    // Opens the port when no port is open yet (PortChannel::Create); an open transport succeeds
    // without effect. Sets the read chunk size: the owner's (SetReadChunkSize), else the name's.
    bool Open(const char* port_name, uint32_t flags, uint32_t* code);

    // The read chunk size every later Open takes; the owner sets it together with the open flags.
    void SetReadChunkSize(uint32_t size) { owner_chunk_size_ = size; }

    // Closes the port; succeeds also when none is open.
    bool Close(uint32_t* code);

    // Writes every byte in chunks of at most 4096 bytes. `written` gets the bytes written. Fails
    // with kMissingArgument for a zero length or no open port, else with the first failing chunk's code.
    bool WriteAll(const uint8_t* buffer, uint32_t length, uint32_t* written, uint32_t timeout_ms,
                  uint32_t* code);

    // Reads one response into `buffer`: chunk after chunk, 10 ms apart, until a chunk comes back
    // short. `length` gets the bytes received, also on failure. Code kResponseOverflow (1) when the
    // response does not fit (what fitted stays in the buffer), else the failing read's code. When a
    // response ends exactly on a chunk boundary and the device signals no end, the read after the
    // last full chunk times out; that time-out ends the response successfully.
    bool ReadResponse(uint8_t* buffer, uint32_t capacity, uint32_t* length, uint32_t timeout_ms,
                      uint32_t* code);

    // True while a port is open.
    bool IsOpen() const { return channel_ != nullptr; }

    // The read chunk size: 16384 for network ports, else 4096.
    uint32_t ChunkSize() const { return chunk_size_; }

  private:
    TransportHooks hooks_;
    uint32_t chunk_size_ = kReadChunkSize;
    std::optional<uint32_t> owner_chunk_size_;
    std::unique_ptr<PortChannel> channel_;
};

}  // namespace orvane
