#include "transport/port_kind.h"

#include <optional>

namespace orvane {
namespace {

constexpr std::string_view kNetworkPortPrefix = "VLNETP_";

// The value of the `digits` decimal digits that start `text`, or -1.
int LeadingNumber(std::string_view text, size_t digits) {
    if (text.size() < digits) return -1;
    int value = 0;
    for (size_t i = 0; i < digits; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// A number ends the name or is followed by ":".
bool EndsNumber(std::string_view rest) {
    return rest.empty() || rest.front() == ':';
}

// The number of "prefix" + `digits` digits, then ":" or the end; -1 for another name.
int PortNumber(std::string_view name, std::string_view prefix, size_t digits) {
    if (!name.starts_with(prefix)) return -1;
    name.remove_prefix(prefix.size());
    const int number = LeadingNumber(name, digits);
    return (number >= 0 && EndsNumber(name.substr(digits))) ? number : -1;
}

// "prefix" + nn with nn in 01-99.
bool IsMonitorName(std::string_view name, std::string_view prefix) {
    return PortNumber(name, prefix, 2) >= 1;
}

// "prefix" + one digit in [low, high], then ":" or the end; the digit or -1.
int SingleDigitPort(std::string_view name, std::string_view prefix, int low, int high) {
    const int digit = PortNumber(name, prefix, 1);
    return (digit >= low && digit <= high) ? digit : -1;
}

// "VLFW1394_" + exactly three digits, 0-127; the number or -1.
int FireWirePortNumber(std::string_view name) {
    constexpr std::string_view kPrefix = "VLFW1394_";
    if (!name.starts_with(kPrefix) || name.size() != kPrefix.size() + 3) return -1;
    const int number = LeadingNumber(name.substr(kPrefix.size()), 3);
    return number < 128 ? number : -1;
}

struct TableBit {
    int word;
    int bit;
};

// Where the port-claim table marks a port; the 128 USB and 1394 ports take four words each.
std::optional<TableBit> TableBitOf(std::string_view name) {
    if (const int digit = SingleDigitPort(name, "LPT", 1, 3); digit >= 0) return TableBit{0, digit};
    if (const int digit = SingleDigitPort(name, "COM", 1, 9); digit >= 0) return TableBit{1, digit};
    if (name == "IR" || name.starts_with("IR:")) return TableBit{2, 0};
    if (const int number = UsbPortNumber(name); number >= 0) return TableBit{3 + number / 32, number % 32};
    if (const int number = FireWirePortNumber(name); number >= 0)
        return TableBit{7 + number / 32, number % 32};
    return std::nullopt;
}

}  // namespace

bool IsNetworkPortName(std::string_view name) {
    return name.starts_with(kNetworkPortPrefix);
}

uint32_t PortOpenFlags(std::string_view name) {
    return IsNetworkPortName(name) ? kNetworkPortFlags : 0;
}

int UsbPortNumber(std::string_view name) {
    const int number = PortNumber(name, "USB", 3);
    return number < 128 ? number : -1;
}

PortKind ClassifyPortName(std::string_view name) {
    if (UsbPortNumber(name) >= 0) return PortKind::Usb;
    if (IsMonitorName(name, "USBPRN")) return PortKind::SystemMonitor;
    if (IsMonitorName(name, "PVUSBPRN")) return PortKind::MakerMonitor;
    if (IsNetworkPortName(name) && name.size() > kNetworkPortPrefix.size()) return PortKind::Network;
    return PortKind::None;
}

bool PortClaimTableSlot(std::string_view name, int* word, int* bit) {
    const std::optional<TableBit> slot = TableBitOf(name);
    if (!slot) return false;
    *word = slot->word;
    *bit = slot->bit;
    return true;
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
