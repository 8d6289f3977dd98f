#include "directorytools/directory_backup.h"

#include "remotesetup/remote_setup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace orvane {
namespace {

constexpr std::string_view kExtension = ".rsd";
// "20261209T140501.123Z"
constexpr std::size_t kTimeLength = 20;

std::string TimeText(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count() % 1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02d.%03uZ", utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, static_cast<unsigned>(millis));
    return text;
}

bool IsTimeText(std::string_view text) {
    if (text.size() != kTimeLength || text[8] != 'T' || text[15] != '.' || text[19] != 'Z') return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != 8 && i != 15 && i != 19 && (text[i] < '0' || text[i] > '9')) return false;
    }
    return true;
}

// Creates each missing folder of `folder` for this user only; false when one cannot be made or a
// part is not a folder (a link to a folder is accepted: the user's own home may be one).
bool MakeFolders(const std::filesystem::path& folder) {
    std::filesystem::path path;
    for (const auto& part : folder) {
        path /= part;
        if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Saves `data` through a scratch remote-setup object whose Working copy it becomes.
RsResult SaveCopy(const std::filesystem::path& path, const DeviceCapability& capability,
                  const DirectoryData& data, std::uint16_t product_id) {
    CRSUFuncRemoteSetup scratch;
    RsResult result = scratch.ApplyCapability(capability.ToTexts());
    if (result == rs::kSuccess) result = scratch.AllocateCopy(DirectoryCopy::Working);
    if (result != rs::kSuccess) return result;
    *scratch.Copy(DirectoryCopy::Working) = data;
    return scratch.SaveDirectoryFile(path, product_id);
}

}  // namespace

std::filesystem::path BackupFolder() {
    const char* data_home = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    if (data_home != nullptr && data_home[0] == '/') {
        base = data_home;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        base = std::filesystem::path(home) / ".local" / "share";
    } else {
        return {};
    }
    return base / "Orvane" / "backups";
}

std::string BackupPrinterName(std::string_view printer) {
    std::string name(printer);
    for (char& c : name) {
        if (c == '/' || static_cast<unsigned char>(c) < 0x20) c = '_';
    }
    if (name.empty() || name.front() == '.') name.insert(name.begin(), '_');
    return name;
}

RsResult SaveBackup(const std::filesystem::path& folder, std::string_view printer,
                    const DeviceCapability& capability, const DirectoryData& data, std::uint16_t product_id,
                    std::chrono::system_clock::time_point when, std::filesystem::path* saved) {
    if (folder.empty() || !MakeFolders(folder)) return rs::kFileCreateFailed;
    const std::string name = BackupPrinterName(printer);
    std::filesystem::path path = folder / (name + "-" + TimeText(when) + std::string(kExtension));
    // Two writes within one millisecond: the later one waits for the next free name.
    struct stat existing {};
    for (auto later = when; ::lstat(path.c_str(), &existing) == 0;) {
        later += std::chrono::milliseconds(1);
        path = folder / (name + "-" + TimeText(later) + std::string(kExtension));
    }
    const RsResult result = SaveCopy(path, capability, data, product_id);
    if (result != rs::kSuccess) return result;
    *saved = path;
    std::vector<BackupFile> backups = ListBackups(folder, name);
    for (std::size_t i = 0; i + kBackupsKept < backups.size(); ++i) ::unlink(backups[i].path.c_str());
    return rs::kSuccess;
}

RsResult BackUpBeforeWrite(const CRSUFuncRemoteSetup& setup, RsResult check, std::uint16_t product_id,
                           std::filesystem::path* saved) {
    const DirectoryCopy read = check == rs::kSuccess                  ? DirectoryCopy::Baseline
                               : check == rs::kDeviceDirectoryChanged ? DirectoryCopy::DeviceCheck
                                                                      : DirectoryCopy::Working;
    const DirectoryData* data = setup.Copy(read);
    if (read == DirectoryCopy::Working || data == nullptr) return rs::kMissingBuffer;
    return SaveBackup(BackupFolder(), setup.PrinterName(), setup.Capability(), *data, product_id,
                      std::chrono::system_clock::now(), saved);
}

std::vector<BackupFile> ListBackups(const std::filesystem::path& folder, std::string_view printer) {
    std::vector<BackupFile> backups;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string file = entry.path().filename().string();
        std::error_code status_error;
        if (!entry.is_regular_file(status_error) || entry.is_symlink(status_error)) continue;
        if (!file.ends_with(kExtension) || file.size() < kTimeLength + kExtension.size() + 2) continue;
        const std::string stem = file.substr(0, file.size() - kExtension.size());
        const std::string time = stem.substr(stem.size() - kTimeLength);
        const std::string name = stem.substr(0, stem.size() - kTimeLength - 1);
        if (!IsTimeText(time) || stem[stem.size() - kTimeLength - 1] != '-') continue;
        if (!printer.empty() && name != BackupPrinterName(printer)) continue;
        backups.push_back({entry.path(), name, time});
    }
    std::sort(backups.begin(), backups.end(), [](const BackupFile& a, const BackupFile& b) {
        return a.time != b.time ? a.time < b.time : a.printer < b.printer;
    });
    return backups;
}

}  // namespace orvane
