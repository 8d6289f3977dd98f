// Backups of printers' directories: before every write, the directory the check before the write
// read from the printer is saved as a directory file "<printer>-<UTC time>.rsd" in the user's data
// folder ($XDG_DATA_HOME/Orvane/backups, else ~/.local/share/Orvane/backups); the newest
// kBackupsKept per printer are kept.
#pragma once

#include "remotesetup/device_capability.h"
#include "remotesetup/directory_data.h"
#include "remotesetup/result_codes.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

inline constexpr std::size_t kBackupsKept = 20;

// The backup folder from the environment; empty when neither XDG_DATA_HOME nor HOME is set.
std::filesystem::path BackupFolder();

// One backup file.
struct BackupFile {
    std::filesystem::path path;
    std::string printer;  // the printer's name as the file name carries it
    std::string time;     // "20261209T140501.123Z", UTC
};

// The file-name form of a printer name: "/", control characters and a leading "." become "_".
std::string BackupPrinterName(std::string_view printer);

// Saves `data` (shaped by `capability`) for `product_id` as a backup of `printer` made at `when`,
// then removes that printer's oldest backups beyond kBackupsKept. Folders that are missing are
// created for this user only (mode 0700); an existing file is never replaced, and only regular files
// are removed. `*saved` receives the path. The codes of SaveDirectoryFile; rs::kFileCreateFailed
// when the folder cannot be created or is not a folder.
RsResult SaveBackup(const std::filesystem::path& folder, std::string_view printer,
                    const DeviceCapability& capability, const DirectoryData& data, std::uint16_t product_id,
                    std::chrono::system_clock::time_point when, std::filesystem::path* saved);

class CRSUFuncRemoteSetup;

// Saves, in BackupFolder(), the directory that the check before a write (CheckDeviceUnchanged,
// which returned `check`) read from the printer of `setup`: Baseline when the printer was
// unchanged, DeviceCheck when it had changed. The printer name of `setup` names the backup.
// rs::kMissingBuffer for another `check` or a missing copy; otherwise as SaveBackup.
RsResult BackUpBeforeWrite(const CRSUFuncRemoteSetup& setup, RsResult check, std::uint16_t product_id,
                           std::filesystem::path* saved);

// The backups in `folder` (regular files named as SaveBackup names them), oldest first; those of
// `printer` only when it is not empty.
std::vector<BackupFile> ListBackups(const std::filesystem::path& folder, std::string_view printer = {});

}  // namespace orvane
