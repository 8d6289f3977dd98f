// The interface every port back end (USB device node, network library, port monitor) offers to
// PortChannel.
#pragma once

#include <cstdint>

namespace orvane {

// Largest chunk one Write moves.
inline constexpr uint32_t kWriteChunkSize = 4096;

// One open port. Failing calls return false and leave their code as the thread's last error.
class PortBackEnd {
  public:
    virtual ~PortBackEnd() = default;

    // Writes at most one chunk of kWriteChunkSize bytes; `written` gets the bytes written.
    virtual bool Write(const uint8_t* data, uint32_t length, uint32_t* written, uint32_t timeout_ms) = 0;

    // Reads at most `length` bytes; `read` gets the bytes read.
    virtual bool Read(uint8_t* buffer, uint32_t length, uint32_t* read, uint32_t timeout_ms) = 0;

    // True when the last failed Read failed only because nothing arrived within its time-out.
    virtual bool LastReadTimedOut() const { return false; }
};

}  // namespace orvane
