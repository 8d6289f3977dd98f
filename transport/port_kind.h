// Port-name classification: which back end serves a port name, by exact, case-sensitive tests.
#pragma once

#include <cstdint>
#include <string_view>

#include "transport/os_family.h"

namespace orvane {

// Creation flag: network ports ("VLNETP_...") are accepted.
inline constexpr uint32_t kFlagAcceptNetwork = 4;
// Creation flag: after a network open the printer's status is checked instead of one read.
inline constexpr uint32_t kFlagCheckNetworkStatus = 8;

// The kind of a port name, as far as the transport's back ends care.
enum class PortKind {
    None,           // no back end serves this name
    Usb,            // "USB" + nnn, 0-127: USB device node
    SystemMonitor,  // "USBPRN" + nn, 01-99: monitor module "sysfmon"
    MakerMonitor,   // "PVUSBPRN" + nn, 01-99: monitor module "Portvane"
    Network,        // "VLNETP_" + at least one character: network port library
};

// The number of a "USB"nnn name (0-127), or -1 when the name is not one.
int UsbPortNumber(std::string_view name);

// The kind of a port name regardless of family and flags.
PortKind ClassifyPortName(std::string_view name);

// The kind a channel of this family and these flags accepts for the name; None when rejected.
PortKind AcceptedPortKind(std::string_view name, OsFamily family, uint32_t flags);

}  // namespace orvane
