// Writing a prepared Working copy into the printer it was read from: the check before the write
// (the printer's directory must not have changed since the read), a backup of what the check read,
// the write, and a read afterwards that verifies the printer holds what was sent.
#pragma once

#include "cli/device_target.h"
#include "remotesetup/remote_setup.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace orvane::cli {

// How to write.
struct WriteRequest {
    std::string what;                                // where the directory came from, for messages
    bool force = false;                              // write over a printer changed since the read
    bool verify = true;                              // read the printer again after the write
    std::optional<std::uint16_t> backup_product_id;  // the product ID the backup file records
};

// Writes Working of `setup`, read from `target` and then changed, back to it. Before anything is
// sent, the directory the check read is saved as a backup; a write that cannot be backed up is not
// made. Prints the outcome to `out`, a failure to `err`; returns kExitSuccess, kExitFailure or
// kExitVerifyFailed.
int WriteWorking(CRSUFuncRemoteSetup& setup, const DeviceTarget& target, const WriteRequest& request,
                 std::ostream& out, std::ostream& err);

}  // namespace orvane::cli
