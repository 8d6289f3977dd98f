// Operating-system family of the port transport, and the hooks that let tests stand in for the
// operating system's version report and for the transport's pauses.
#pragma once

#include <cstdint>
#include <functional>

namespace orvane {

// Platform values of a version report.
inline constexpr uint32_t kPlatformWin32Windows = 1;  // the 95/98/Me family
inline constexpr uint32_t kPlatformWin32Nt = 2;       // the NT family

// One operating-system version report.
struct OsVersion {
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t platform = 0;
};

// Back-end families: 1 port monitor, 2 and 4 USB device node and network library, 0 unsupported.
enum class OsFamily : int {
    Unsupported = 0,   // no back end: channel creation fails
    Win9x = 1,         // port monitor back end only
    Win2000 = 2,       // USB device and network back ends
    WinXpOrLater = 4,  // USB device and network back ends
};

// Fills a version report; false when the report cannot be had.
using OsVersionProvider = std::function<bool(OsVersion*)>;

// Sleeps for the given number of milliseconds.
using Sleeper = std::function<void(uint32_t milliseconds)>;

// What the transport asks of its surroundings. The defaults are the real system: a report that
// gives family 4, and real sleeps.
struct TransportHooks {
    OsVersionProvider os_version;  // empty: the system's own report
    Sleeper sleep;                 // empty: std::this_thread::sleep_for
};

// The family of a version report.
OsFamily DecideOsFamily(const OsVersion& version);

// The report of the system this program runs on: NT platform, version 10.0, so family 4.
bool SystemOsVersion(OsVersion* version);

// Sleeps through the hook, or really when the hook is empty.
void Pause(const TransportHooks& hooks, uint32_t milliseconds);

}  // namespace orvane
