#include "transport/shared_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <utility>

namespace orvane {
namespace {

constexpr int kTemporaryNameAttempts = 16;

// True for a name that stays inside its folder: one path component, not "." or "..".
bool IsOneComponent(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

bool WritableByOthers(const struct stat& folder) {
    return (folder.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

bool OwnedByThisUser(const struct stat& folder) {
    return folder.st_uid == ::geteuid();
}

bool Satisfies(const struct stat& folder, FolderSharing sharing) {
    if (sharing == FolderSharing::kMachineWide) {
        if ((folder.st_mode & S_ISVTX) != 0) return true;
        return !WritableByOthers(folder) && (OwnedByThisUser(folder) || folder.st_uid == 0);
    }
    return OwnedByThisUser(folder) && !WritableByOthers(folder);
}

// Which rule of `sharing` the folder `info` breaks.
std::string BrokenRule(const struct stat& info, FolderSharing sharing) {
    if (sharing == FolderSharing::kMachineWide) {
        return WritableByOthers(info) ? "can be written by other users but lacks the sticky bit"
                                      : "belongs to another user and lacks the sticky bit";
    }
    return OwnedByThisUser(info) ? "can be written by other users" : "belongs to another user";
}

// Opens an existing file with `access` (O_RDWR or O_RDONLY), refusing links and anything but a
// regular file with one link. O_NONBLOCK and O_NOCTTY keep a planted FIFO or terminal harmless.
int OpenExistingAt(int folder_fd, const std::string& name, int access) {
    ScopedFd fd(::openat(folder_fd, name.c_str(), access | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.IsValid()) return -1;
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) return -1;
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    if (info.st_nlink != 1) {
        errno = EMLINK;  // a second name may be someone else's file
        return -1;
    }
    return fd.Release();
}

// A fresh name for a temporary file beside `name`; hidden, so that listings skip it.
std::string TemporaryNameFor(std::string_view name) {
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    char suffix[20];
    std::snprintf(suffix, sizeof(suffix), "%016llx", static_cast<unsigned long long>(generator()));
    return "." + std::string(name) + "." + suffix + ".tmp";
}

int WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        content.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

// Fills the new temporary file `fd` and makes it durable; 0 or an errno value.
int FillTemporary(int fd, std::string_view content, mode_t mode) {
    if (const int error = WriteAll(fd, content); error != 0) return error;
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) return errno;
    return 0;
}

}  // namespace

ScopedFd::ScopedFd(ScopedFd&& other) noexcept : fd_(other.Release()) {}

ScopedFd& ScopedFd::operator=(ScopedFd&& other) noexcept {
    if (this != &other) {
        ScopedFd old(std::exchange(fd_, other.Release()));
    }
    return *this;
}

ScopedFd::~ScopedFd() {
    if (fd_ < 0) return;
    const int saved = errno;  // callers report the error that made them give up, not close()'s
    ::close(fd_);
    errno = saved;
}

int ScopedFd::Release() {
    return std::exchange(fd_, -1);
}

int OpenSharedFolderAt(int parent_fd, std::string_view name, mode_t mode, FolderSharing sharing) {
    if (!IsOneComponent(name)) {
        errno = EINVAL;
        return -1;
    }
    const std::string component(name);
    const bool created = ::mkdirat(parent_fd, component.c_str(), mode) == 0;
    if (!created && errno != EEXIST) return -1;
    ScopedFd folder(::openat(parent_fd, component.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.IsValid()) return -1;
    struct stat info {};
    if (::fstat(folder.Get(), &info) != 0) return -1;
    // mkdir applies the umask; the mode is set on the folder we opened, and only if it is ours.
    if (created && info.st_uid == ::geteuid()) {
        if (::fchmod(folder.Get(), mode) != 0 || ::fstat(folder.Get(), &info) != 0) return -1;
    }
    if (!Satisfies(info, sharing)) {
        errno = EPERM;
        return -1;
    }
    return folder.Release();
}

int OpenSharedFolder(const std::string& path, mode_t mode, FolderSharing sharing) {
    std::string_view rest = path;
    while (rest.size() > 1 && rest.ends_with('/')) rest.remove_suffix(1);
    std::string parent = ".";
    std::string_view name = rest;
    if (const size_t slash = rest.rfind('/'); slash != std::string_view::npos) {
        parent = slash == 0 ? std::string("/") : std::string(rest.substr(0, slash));
        name = rest.substr(slash + 1);
    }
    ScopedFd parent_fd(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!parent_fd.IsValid()) return -1;
    return OpenSharedFolderAt(parent_fd.Get(), name, mode, sharing);
}

std::string SharedFolderRefusal(const std::string& path, mode_t mode, FolderSharing sharing) {
    const ScopedFd folder(OpenSharedFolder(path, mode, sharing));
    if (folder.IsValid()) return {};
    const int error = errno;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return "cannot be made: " + std::string(std::strerror(error));
    if (S_ISLNK(info.st_mode)) return "is a symbolic link";
    if (!S_ISDIR(info.st_mode)) return "is not a folder";
    if (error == EPERM && !Satisfies(info, sharing)) return BrokenRule(info, sharing);
    return "cannot be opened: " + std::string(std::strerror(error));
}

int OpenLockFileAt(int folder_fd, std::string_view name, mode_t mode) {
    if (!IsOneComponent(name)) {
        errno = EINVAL;
        return -1;
    }
    const std::string file(name);
    // O_EXCL never follows a link: a planted one reads as an existing file, refused below.
    const int fd =
        ::openat(folder_fd, file.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0) {
        ::fchmod(fd, mode);  // the umask applied at creation; this file is our own
        return fd;
    }
    if (errno != EEXIST) return -1;
    const int existing = OpenExistingAt(folder_fd, file, O_RDWR);
    if (existing >= 0 || errno != EACCES) return existing;
    return OpenExistingAt(folder_fd, file, O_RDONLY);
}

int OpenSharedFileForReadingAt(int folder_fd, std::string_view name) {
    if (!IsOneComponent(name)) {
        errno = EINVAL;
        return -1;
    }
    return OpenExistingAt(folder_fd, std::string(name), O_RDONLY);
}

int ReplaceSharedFileAt(int folder_fd, std::string_view name, std::string_view content, mode_t mode) {
    if (!IsOneComponent(name)) return EINVAL;
    const std::string target(name);
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::string temporary = TemporaryNameFor(name);
        ScopedFd fd(::openat(folder_fd, temporary.c_str(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (!fd.IsValid() && errno == EEXIST) continue;  // someone guessed the name; take another
        if (!fd.IsValid()) return errno;
        int error = FillTemporary(fd.Get(), content, mode);
        if (error == 0 && ::renameat(folder_fd, temporary.c_str(), folder_fd, target.c_str()) != 0)
            error = errno;
        if (error != 0) {
            ::unlinkat(folder_fd, temporary.c_str(), 0);
            return error;
        }
        ::fsync(folder_fd);  // the rename itself reaches the disk
        return 0;
    }
    return EEXIST;
}

}  // namespace orvane
