#include "transport/os_family.h"

#include <chrono>
#include <thread>

namespace orvane {

OsFamily DecideOsFamily(const OsVersion& version) {
    if (version.major == 4 && version.platform == kPlatformWin32Windows) return OsFamily::Win9x;
    if (version.major > 5) return OsFamily::WinXpOrLater;
    if (version.major != 5 || version.platform != kPlatformWin32Nt) return OsFamily::Unsupported;
    return version.minor == 0 ? OsFamily::Win2000 : OsFamily::WinXpOrLater;
}

bool SystemOsVersion(OsVersion* version) {
    *version = OsVersion{10, 0, kPlatformWin32Nt};
    return true;
}

void Pause(const TransportHooks& hooks, uint32_t milliseconds) {
    if (hooks.sleep) {
        hooks.sleep(milliseconds);
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

}  // namespace orvane
