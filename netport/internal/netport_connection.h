// One TCP connection of the network port library, with the framing of vlmnppm.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace orvane::netport {

// A connection to the printer side. Error results are NetportError values; 0 is success.
class Connection {
  public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Resolves host and connects within `timeout_ms`.
    uint32_t Connect(const std::string& host, uint16_t port, int timeout_ms);

    // Sends one frame of `type` with `length` bytes.
    uint32_t SendFrame(char type, const void* data, size_t length);

    // Copies bytes of the current data frame, waiting up to `timeout_ms` for one unless the printer
    // has said that nothing more is on its way.
    uint32_t ReadData(uint8_t* buffer, uint32_t length, uint32_t* read, int timeout_ms);

    // Sends a status request and copies the reply text, NUL-terminated and truncated to fit.
    uint32_t QueryStatus(char* buffer, uint32_t length, uint32_t* text_length, int timeout_ms);

  private:
    struct Frame {
        char type = 0;
        std::vector<uint8_t> bytes;
    };
    enum class Receive { Frame, TimedOut, Closed };

    Receive ReceiveFrame(Frame* frame, int timeout_ms);
    bool TakeBufferedFrame(Frame* frame, bool* malformed);
    // Keeps a data frame for read and notes the count of a nothing-more frame; drops the rest.
    void Keep(Frame frame);
    // True when the printer has answered every data frame sent.
    bool PrinterDone() const { return answered_ == data_frames_sent_; }
    void Shut();

    int fd_ = -1;
    std::vector<uint8_t> incoming_;     // received bytes not yet parsed into frames
    std::deque<Frame> data_frames_;     // data frames waiting for read
    size_t data_offset_ = 0;            // bytes of data_frames_.front() already read
    uint32_t data_frames_sent_ = 0;     // data frames sent, modulo 2^32
    std::optional<uint32_t> answered_;  // the count of the printer's latest nothing-more frame
};

}  // namespace orvane::netport
