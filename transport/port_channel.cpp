#include "transport/internal/port_channel.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "transport/internal/last_error.h"
#include "transport/internal/monitor_port.h"
#include "transport/internal/network_port.h"
#include "transport/internal/usb_port.h"
#include "transport/transport_codes.h"

namespace orvane {
namespace {

std::unique_ptr<PortChannel> FailCreation(uint32_t code) {
    SetTransportLastError(code);
    return nullptr;
}

}  // namespace

PortChannel::PortChannel(std::string port_name, OsFamily family, uint32_t flags, const TransportHooks& hooks)
    : port_name_(std::move(port_name)), family_(family), flags_(flags), hooks_(hooks) {}

PortChannel::~PortChannel() {
    back_end_.reset();
}

std::unique_ptr<PortChannel> PortChannel::Create(const char* port_name, uint32_t flags,
                                                 const TransportHooks& hooks) {
    if (port_name == nullptr) return FailCreation(transport_code::kMissingArgument);
    OsVersion version;
    const bool reported = hooks.os_version ? hooks.os_version(&version) : SystemOsVersion(&version);
    if (!reported) return FailCreation(transport_code::kGeneralFailure);
    const OsFamily family = DecideOsFamily(version);
    if (family == OsFamily::Unsupported) return FailCreation(transport_code::kOsNotSupported);
    const PortKind kind = AcceptedPortKind(port_name, family, flags);
    if (kind == PortKind::None) return FailCreation(transport_code::kPortNotSupported);
    std::unique_ptr<PortChannel> channel(new (std::nothrow) PortChannel(port_name, family, flags, hooks));
    if (!channel) return FailCreation(transport_code::kOutOfMemory);
    const uint32_t code = channel->OpenBackEnd(kind);
    if (code != transport_code::kSuccess) return FailCreation(code);
    return channel;
}

uint32_t PortChannel::OpenBackEnd(PortKind kind) {
    if (kind == PortKind::SystemMonitor || kind == PortKind::MakerMonitor) {
        auto monitor = std::make_unique<MonitorPort>();
        const uint32_t code =
            monitor->Open(kind == PortKind::SystemMonitor ? "sysfmon" : "Portvane", port_name_);
        if (code == transport_code::kSuccess) back_end_ = std::move(monitor);
        return code;
    }
    uint32_t code = claim_.Claim(port_name_);
    if (code != transport_code::kSuccess) return code;
    if (kind == PortKind::Usb) {
        auto usb = std::make_unique<UsbPort>(port_name_, hooks_);
        code = usb->Probe();
        back_end_ = std::move(usb);
    } else {
        auto network = std::make_unique<NetworkPort>(hooks_);
        code = network->Open(port_name_, flags_);
        back_end_ = std::move(network);
    }
    if (code != transport_code::kSuccess) {
        back_end_.reset();
        claim_.Release();
    }
    return code;
}

bool PortChannel::Finish(bool ok) {
    if (!ok) last_code_ = TransportLastError();
    return ok;
}

bool PortChannel::Write(const uint8_t* data, uint32_t length, uint32_t* written, uint32_t timeout_ms) {
    if (data == nullptr || written == nullptr) {
        SetTransportLastError(transport_code::kMissingArgument);
        return Finish(false);
    }
    return Finish(back_end_->Write(data, std::min(length, kWriteChunkSize), written, timeout_ms));
}

bool PortChannel::Read(uint8_t* buffer, uint32_t length, uint32_t* read, uint32_t timeout_ms) {
    if (buffer == nullptr || read == nullptr) {
        SetTransportLastError(transport_code::kMissingArgument);
        return Finish(false);
    }
    std::memset(buffer, 0, length);
    *read = 0;
    return Finish(back_end_->Read(buffer, length, read, timeout_ms));
}

}  // namespace orvane
