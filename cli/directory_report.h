// Prints the directory a CRSUFuncRemoteSetup holds (its capability and Working copy) as a readable
// table; the JSON form is directorytools/directory_json.h.
#pragma once

#include "remotesetup/remote_setup.h"

#include <string>

namespace orvane::cli {

// The capability, the slots, the sender and the rejected numbers as aligned text. `setup` must hold
// Working.
std::string PlainReport(const CRSUFuncRemoteSetup& setup);

}  // namespace orvane::cli
