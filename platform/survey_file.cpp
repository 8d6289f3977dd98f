#include "platform/survey_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>

namespace orvane {
namespace {

constexpr char kFolderName[] = "VelorIJORV";
constexpr char kFileName[] = "ORVInfo.ini";
// Twelve short keys; anything much larger was not written by a survey.
constexpr qint64 kMaxFileSize = 64 * 1024;

}  // namespace

QString SurveyFile::DataFolder() {
    const QString folder = qEnvironmentVariable("ORVANE_SURVEY_DIR");
    return folder.isEmpty() ? QStringLiteral("/var/lib") : folder;
}

SurveyFile SurveyFile::Open(SurveyFolderStatus* status) {
    const QString data_folder = DataFolder();
    // The data folder is the administrator's choice: it is followed as the system resolves it.
    const ScopedFd parent(
        ::open(QFile::encodeName(data_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!parent.IsValid()) {
        *status = SurveyFolderStatus::NoDataFolder;
        return {};
    }
    ScopedFd folder(OpenSharedFolderAt(parent.Get(), kFolderName, 01777, FolderSharing::kMachineWide));
    if (!folder.IsValid()) {
        *status = SurveyFolderStatus::Unusable;
        return {};
    }
    *status = SurveyFolderStatus::Open;
    return SurveyFile(std::move(folder), data_folder + QLatin1Char('/') + QLatin1String(kFolderName) +
                                             QLatin1Char('/') + QLatin1String(kFileName));
}

QString SurveyFile::Path() const {
    return path_;
}

bool SurveyFile::Exists() const {
    struct stat info {};
    return IsOpen() && ::fstatat(folder_.Get(), kFileName, &info, AT_SYMLINK_NOFOLLOW) == 0;
}

QByteArray SurveyFile::Read() const {
    if (!IsOpen()) return {};
    const ScopedFd file(OpenSharedFileForReadingAt(folder_.Get(), kFileName));
    if (!file.IsValid()) return {};
    QByteArray bytes;
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(file.Get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 || bytes.size() + got > kMaxFileSize) return {};
        if (got == 0) return bytes;
        bytes.append(chunk, got);
    }
}

bool SurveyFile::Replace(const QByteArray& bytes) const {
    if (!IsOpen()) return false;
    return ReplaceSharedFileAt(folder_.Get(), kFileName, std::string_view(bytes.constData(), bytes.size()),
                               0666) == 0;
}

}  // namespace orvane
