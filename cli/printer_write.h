// Writing a prepared Working copy into the printer it was read from: the check before the write
// (the printer's directory must not have changed since the read), then the write itself.
#pragma once

#include "cli/device_target.h"
#include "remotesetup/remote_setup.h"

#include <ostream>
#include <string>

namespace orvane::cli {

// Writes Working of `setup`, read from `target` and then changed, back to it. `what` names where
// the directory came from for the messages ("a.rsd"). With `force` a printer whose directory changed
// since the read is written anyway. Prints the outcome to `out`, a failure to `err`; returns an exit
// status.
int WriteWorking(CRSUFuncRemoteSetup& setup, const DeviceTarget& target, const std::string& what, bool force,
                 std::ostream& out, std::ostream& err);

}  // namespace orvane::cli
