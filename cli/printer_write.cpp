#include "cli/printer_write.h"

#include "cli/cli_commands.h"
#include "cli/cli_support.h"
#include "directorytools/directory_backup.h"
#include "directorytools/directory_diff.h"

namespace orvane::cli {
namespace {

// Ends the job the check before the write left open when nothing is written after all.
void LeaveUnwritten(CRSUFuncRemoteSetup& setup) {
    if (setup.IsPortOpen()) setup.FinishDeviceJob();
}

// Saves the backup; false after a message (the job left open is ended).
bool BackUp(CRSUFuncRemoteSetup& setup, RsResult check, const WriteRequest& request, std::ostream& err) {
    if (!request.backup_product_id) {
        LeaveUnwritten(setup);
        FailWith(err,
                 "nothing was written: a backup of the printer's directory records its product ID; give "
                 "--product-id");
        return false;
    }
    std::filesystem::path saved;
    const RsResult result = BackUpBeforeWrite(setup, check, *request.backup_product_id, &saved);
    if (result != rs::kSuccess) {
        LeaveUnwritten(setup);
        Fail(err, "saving a backup in " + BackupFolder().string(), result, "Nothing was written.");
        return false;
    }
    return true;
}

// Reads the printer again and compares it with what was sent.
int Verify(const CRSUFuncRemoteSetup& setup, const DeviceTarget& target, std::ostream& err) {
    CRSUFuncRemoteSetup check;
    const RsResult result = ReadDevice(check, target);
    if (result != rs::kSuccess) {
        Fail(err, "verifying " + target.Description(), result,
             "The directory was written but not read back.");
        return kExitVerifyFailed;
    }
    const DirectoryData& sent = *setup.Copy(DirectoryCopy::Working);
    const DirectoryData& held = *check.Copy(DirectoryCopy::Working);
    if (SameDirectory(sent, held)) return kExitSuccess;
    FailWith(err, "verifying " + target.Description() +
                      ": the printer holds another directory than the one written:");
    PrintChanges("written", "read back", DiffDirectories(ToPortable(sent), ToPortable(held)), false, err);
    return kExitVerifyFailed;
}

}  // namespace

int WriteWorking(CRSUFuncRemoteSetup& setup, const DeviceTarget& target, const WriteRequest& request,
                 std::ostream& out, std::ostream& err) {
    const RsResult check = setup.CheckDeviceUnchanged();
    if (check == rs::kDeviceDirectoryChanged && !request.force) {
        return Fail(err, "writing to " + target.Description(), check,
                    "Nothing was written; read it again, or use --force to write anyway.");
    }
    if (check != rs::kSuccess && check != rs::kDeviceDirectoryChanged) {
        return Fail(err, "writing to " + target.Description(), check);
    }
    const RsResult modified = check == rs::kSuccess ? setup.IsModified() : rs::kModified;
    if (modified != rs::kModified) {
        // Nothing to send: end the job the check left open.
        const RsResult finished = setup.FinishDeviceJob();
        const RsResult result = modified != rs::kSuccess ? modified : finished;
        if (result != rs::kSuccess) return Fail(err, "writing to " + target.Description(), result);
        std::string holder = target.Description();
        holder[0] = 'T';
        out << holder << " already holds the directory of " << request.what << "; nothing was written\n";
        return kExitSuccess;
    }
    if (!BackUp(setup, check, request, err)) return kExitFailure;
    const RsResult written = setup.WriteToDevice();
    if (written != rs::kSuccess) return Fail(err, "writing to " + target.Description(), written);
    setup.ReplaceCopy(DirectoryCopy::Baseline, DirectoryCopy::Working);
    out << "Wrote " << request.what << " to " << target.Description() << "\n";
    return request.verify ? Verify(setup, target, err) : kExitSuccess;
}

}  // namespace orvane::cli
