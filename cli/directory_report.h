// Prints the directory a CRSUFuncRemoteSetup holds (its capability and Working copy) as JSON or as a
// readable table. Names are converted from the printer's character code to UTF-8.
#pragma once

#include "remotesetup/remote_setup.h"

#include <string>
#include <string_view>

namespace orvane::cli {

// UTF-8 for a name in the printer's character code (up to its first zero byte); a byte without a row
// in the device character table becomes U+FFFD.
std::string DeviceNameToUtf8(std::string_view bytes);

// The JSON document described in the usage text. `setup` must hold Working.
std::string JsonReport(const CRSUFuncRemoteSetup& setup);

// The capability, the slots, the sender and the rejected numbers as aligned text. `setup` must hold
// Working.
std::string PlainReport(const CRSUFuncRemoteSetup& setup);

}  // namespace orvane::cli
