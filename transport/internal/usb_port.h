// USB back end: the printer's usblp device node (a pseudo-terminal for the virtual printer),
// opened non-blocking around each I/O call and driven with poll() time-outs. The device folder
// may be writable by others (a test's or the virtual printer's folder): the node may be a link, as
// the virtual printer publishes it, but what it opens must be a character device, checked on the
// opened descriptor; a regular file, FIFO or folder in its place gives kUsbDeviceNotFound.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "transport/internal/port_back_end.h"
#include "transport/os_family.h"

namespace orvane {

// Quiet time after which a read takes the data gathered so far as one whole transfer: a device
// node does not mark where the printer's transfer ends.
inline constexpr uint32_t kUsbSettleMilliseconds = 50;

// The time-out a USB write really uses: the given one when it lies in 1-15000 ms, else 2000 ms.
uint32_t EffectiveUsbWriteTimeout(uint32_t given_ms);

// The time-out a USB read really uses: the given one when it lies in 1-30000 ms, else 4000 ms.
uint32_t EffectiveUsbReadTimeout(uint32_t given_ms);

// One USB port "USB"nnn. Write leaves a chunk pending (and the device open) when it times out;
// the next Write or the close finishes or cancels it.
class UsbPort : public PortBackEnd {
  public:
    // `hooks` must outlive the port.
    UsbPort(std::string port_name, const TransportHooks& hooks);
    ~UsbPort() override;
    UsbPort(const UsbPort&) = delete;
    UsbPort& operator=(const UsbPort&) = delete;

    // Opens the device and closes it again as a presence test: 0 or kUsbDeviceNotFound.
    uint32_t Probe();

    // Write time-out 1-15000 ms, else 2000 ms. Codes kWriteTimeout, kUsbIoFailure, kUsbDeviceNotFound.
    bool Write(const uint8_t* data, uint32_t length, uint32_t* written, uint32_t timeout_ms) override;

    // Read time-out 1-30000 ms, else 4000 ms; waits that long for the first byte, then gathers
    // until `length` bytes, a zero-length read (a node that marks the end of a transfer),
    // kUsbSettleMilliseconds of quiet, or the time-out. Codes kUsbIoFailure (time-out included)
    // and kUsbDeviceNotFound.
    bool Read(uint8_t* buffer, uint32_t length, uint32_t* read, uint32_t timeout_ms) override;

    bool LastReadTimedOut() const override { return last_read_timed_out_; }

  private:
    enum class Wait { Done, TimedOut, Failed };

    uint32_t OpenDevice();
    void CloseDevice();
    bool Fail(uint32_t code);
    Wait FinishPending(uint32_t timeout_ms);
    Wait Gather(uint8_t* buffer, uint32_t length, uint32_t timeout_ms, uint32_t* read);

    std::string port_name_;
    const TransportHooks& hooks_;
    int fd_ = -1;
    bool write_pending_ = false;
    size_t pending_offset_ = 0;
    size_t pending_length_ = 0;
    std::array<uint8_t, kWriteChunkSize> write_buffer_{};
    bool pause_before_close_ = true;
    bool last_read_timed_out_ = false;
};

}  // namespace orvane
