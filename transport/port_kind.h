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
// The creation flags the remote-setup exchange opens a network port with (12).
inline constexpr uint32_t kNetworkPortFlags = kFlagAcceptNetwork | kFlagCheckNetworkStatus;

// The kind of a port name, as far as the transport's back ends care.
enum class PortKind {
    None,           // no back end serves this name
    Usb,            // "USB" + nnn, 0-127: USB device node
    SystemMonitor,  // "USBPRN" + nn, 01-99: monitor module "sysfmon"
    MakerMonitor,   // "PVUSBPRN" + nn, 01-99: monitor module "Portvane"
    Network,        // "VLNETP_" + at least one character: network port library
};

// True when the name begins with "VLNETP_": a port of the network port library.
bool IsNetworkPortName(std::string_view name);

// The creation flags for a port name: kNetworkPortFlags for a network port, else 0.
uint32_t PortOpenFlags(std::string_view name);

// The number of a "USB"nnn name (0-127), or -1 when the name is not one.
int UsbPortNumber(std::string_view name);

// The kind of a port name regardless of family and flags.
PortKind ClassifyPortName(std::string_view name);

// Word (0-38) and bit (0-31) of a port in the port-claim table. Known kinds: "LPT"d (1-3), "COM"d
// (1-9), "IR" and "USB"nnn (0-127), each then ":" or the end; "VLFW1394_"nnn (0-127) ending the name.
// False for a name of no known kind.
bool PortClaimTableSlot(std::string_view name, int* word, int* bit);

// The kind a channel of this family and these flags accepts for the name; None when rejected.
PortKind AcceptedPortKind(std::string_view name, OsFamily family, uint32_t flags);

}  // namespace orvane
