#include "transport/port_kind.h"

namespace orvane {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number ends the name or is followed by ":".
bool EndsNumber(std::string_view rest) {
    return rest.empty() || rest.front() == ':';
}

// "prefix" + nn with nn in 01-99.
bool IsMonitorName(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) return false;
    name.remove_prefix(prefix.size());
    if (name.size() < 2 || !IsDigit(name[0]) || !IsDigit(name[1])) return false;
    const int number = (name[0] - '0') * 10 + (name[1] - '0');
    return number >= 1 && EndsNumber(name.substr(2));
}

}  // namespace

int UsbPortNumber(std::string_view name) {
    if (!name.starts_with("USB")) return -1;
    name.remove_prefix(3);
    if (name.size() < 3 || !IsDigit(name[0]) || !IsDigit(name[1]) || !IsDigit(name[2])) return -1;
    const int number = (name[0] - '0') * 100 + (name[1] - '0') * 10 + (name[2] - '0');
    return (number < 128 && EndsNumber(name.substr(3))) ? number : -1;
}

PortKind ClassifyPortName(std::string_view name) {
    if (UsbPortNumber(name) >= 0) return PortKind::Usb;
    if (IsMonitorName(name, "USBPRN")) return PortKind::SystemMonitor;
    if (IsMonitorName(name, "PVUSBPRN")) return PortKind::MakerMonitor;
    if (name.starts_with("VLNETP_") && name.size() > 7) return PortKind::Network;
    return PortKind::None;
}

PortKind AcceptedPortKind(std::string_view name, OsFamily family, uint32_t flags) {
    const PortKind kind = ClassifyPortName(name);
    switch (family) {
        case OsFamily::Win9x:
            return (kind == PortKind::SystemMonitor || kind == PortKind::MakerMonitor) ? kind
                                                                                       : PortKind::None;
        case OsFamily::Win2000:
        case OsFamily::WinXpOrLater:
            if (kind == PortKind::Usb) return kind;
            return (kind == PortKind::Network && (flags & kFlagAcceptNetwork) != 0) ? kind : PortKind::None;
        case OsFamily::Unsupported:
            break;
    }
    return PortKind::None;
}

}  // namespace orvane
