// PortChannel: one open printer port and the back end that serves it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "transport/internal/port_back_end.h"
#include "transport/internal/port_claim.h"
#include "transport/os_family.h"
#include "transport/port_kind.h"

namespace orvane {

// An open port. Created by Create, destroyed by its destructor (close the device or connection,
// release the claim, free the rest). Used by one thread at a time. Failing calls return false
// and leave their code (transport_codes.h) as the thread's last error.
class PortChannel {
  public:
    // Opens `port_name` with the creation flags (kFlagAcceptNetwork, kFlagCheckNetworkStatus).
    // Returns null with the code as last error: kMissingArgument (no name), kGeneralFailure (no
    // version report), kOsNotSupported (family 0), kPortNotSupported (name not accepted), or the
    // back end's code (claims kPortInUse..., USB kUsbDeviceNotFound, network kGeneralFailure or
    // kNetworkPrinterBusy, monitor kGeneralFailure). A failed creation holds nothing.
    static std::unique_ptr<PortChannel> Create(const char* port_name, uint32_t flags,
                                               const TransportHooks& hooks = {});

    ~PortChannel();
    PortChannel(const PortChannel&) = delete;
    PortChannel& operator=(const PortChannel&) = delete;

    // Writes at most kWriteChunkSize bytes and reports the bytes written.
    bool Write(const uint8_t* data, uint32_t length, uint32_t* written, uint32_t timeout_ms);

    // Reads at most `length` bytes; the buffer is zeroed and the count set to 0 first.
    bool Read(uint8_t* buffer, uint32_t length, uint32_t* read, uint32_t timeout_ms);

    // True when the last failed Read failed only because nothing arrived within its time-out.
    bool LastReadTimedOut() const { return back_end_->LastReadTimedOut(); }

    // The port name given at creation.
    const std::string& PortName() const { return port_name_; }
    // The family decided at creation.
    OsFamily Family() const { return family_; }
    // The creation flags.
    uint32_t Flags() const { return flags_; }
    // Code of the last failing call on this channel, 0 when none failed.
    uint32_t LastCode() const { return last_code_; }

  private:
    PortChannel(std::string port_name, OsFamily family, uint32_t flags, const TransportHooks& hooks);
    uint32_t OpenBackEnd(PortKind kind);
    bool Finish(bool ok);

    std::string port_name_;
    OsFamily family_;
    uint32_t flags_;
    uint32_t last_code_ = 0;
    TransportHooks hooks_;
    PortClaim claim_;  // declared before the back end: released after it closes
    std::unique_ptr<PortBackEnd> back_end_;
};

}  // namespace orvane
