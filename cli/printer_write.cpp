#include "cli/printer_write.h"

#include "cli/cli_support.h"

namespace orvane::cli {
namespace {

// Writes Working after the check before a write: inside the check's job when the printer is unchanged,
// from a closed port when it changed and --force allows it. `*written` tells whether data went out.
RsResult WriteChecked(CRSUFuncRemoteSetup& setup, bool force, bool* written) {
    RsResult result = setup.CheckDeviceUnchanged();
    if (result == rs::kDeviceDirectoryChanged && force) {
        *written = true;
        return setup.WriteToDevice();
    }
    if (result != rs::kSuccess) return result;
    const RsResult modified = setup.IsModified();
    if (modified == rs::kModified) {
        *written = true;
        return setup.WriteToDevice();
    }
    // Nothing to send: end the job the check left open.
    result = setup.FinishDeviceJob();
    return modified != rs::kSuccess ? modified : result;
}

}  // namespace

int WriteWorking(CRSUFuncRemoteSetup& setup, const DeviceTarget& target, const std::string& what, bool force,
                 std::ostream& out, std::ostream& err) {
    bool written = false;
    const RsResult result = WriteChecked(setup, force, &written);
    if (result == rs::kDeviceDirectoryChanged) {
        return Fail(err, "writing to " + target.Description(), result,
                    "Nothing was written; read it again, or use --force to write anyway.");
    }
    if (result != rs::kSuccess) return Fail(err, "writing to " + target.Description(), result);
    if (written) {
        setup.ReplaceCopy(DirectoryCopy::Baseline, DirectoryCopy::Working);
        out << "Wrote " << what << " to " << target.Description() << "\n";
        return kExitSuccess;
    }
    std::string holder = target.Description();
    holder[0] = 'T';
    out << holder << " already holds the directory of " << what << "; nothing was written\n";
    return kExitSuccess;
}

}  // namespace orvane::cli
