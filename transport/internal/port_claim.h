// Machine-wide port claims and the USB device lookup.
//
// A claim is the per-port lock file "Global\objectfilemutex_vlmshare-<first 8 characters of the
// port name, "\" as "_">-<Adler-32 of the name in UTF-16LE, 8 lowercase hex digits>", held with an
// exclusive flock. Claims and releases are serialised by the lock file "VLMSHARE_MUTEX". USB ports
// also set their bit in the 156-byte port-claim table "objectfilename_vlmshare" (39 little-endian
// 32-bit words), a session file mapped shared; every holder keeps a shared flock on it and whoever
// finds nobody else holding it zeroes it, so the table lives exactly as long as a holder does.
// Its file obeys the lock-file rules of named_object.h and lives in the private session folder;
// it is mapped only while it is exactly 156 bytes long, so a file of another size never faults.
// Other programs may take part in the same arbitration by following these names and this order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "transport/named_object.h"

namespace orvane {

// Size in bytes of the port-claim table.
inline constexpr size_t kPortClaimTableSize = 156;

// Name of the lock that serialises every claim and release.
inline constexpr std::string_view kClaimGuardName = "VLMSHARE_MUTEX";

// Name of the port-claim table.
inline constexpr std::string_view kPortClaimTableName = "objectfilename_vlmshare";

// Adler-32 checksum (RFC 1950) of a byte block.
uint32_t Adler32(const uint8_t* data, size_t length);

// The claim name of a port; empty when it cannot be formed (malformed UTF-8 or empty name).
std::string ClaimMutexName(std::string_view port_name);

// One held port claim. Move-only; the destructor releases it.
class PortClaim {
  public:
    PortClaim() = default;
    PortClaim(PortClaim&& other) noexcept;
    PortClaim& operator=(PortClaim&& other) noexcept;
    PortClaim(const PortClaim&) = delete;
    PortClaim& operator=(const PortClaim&) = delete;
    ~PortClaim();

    // Claims a "USB"nnn or network port. Returns 0, or kPortInUse when another holder has it,
    // kUnknownPortKind when the claim name cannot be formed or its lock cannot be made, and
    // kGeneralFailure when the claim table cannot be opened or mapped. A failed claim holds nothing.
    uint32_t Claim(std::string_view port_name);

    // Clears the table bit and drops the claim; always succeeds, nothing held afterwards.
    void Release();

    // True while a claim is held.
    bool IsHeld() const { return port_lock_.IsHeld(); }

  private:
    uint32_t MarkInTable();
    void UnmarkInTable();
    void CloseTable();

    std::string port_name_;
    NamedObject port_lock_;
    int table_fd_ = -1;
};

// Device node of a "USB"nnn port: <dir>/lp<nnn-1>, <dir> being $ORVANE_USB_DEVICE_DIR or
// /dev/usb (where /sys/class/usbmisc/lp<nnn-1> must exist as well). Empty when there is none.
std::string FindUsbDevicePath(std::string_view port_name);

}  // namespace orvane
