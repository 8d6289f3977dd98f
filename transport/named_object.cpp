#include "transport/named_object.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <utility>

namespace orvane {
namespace {

constexpr std::string_view kGlobalPrefix = "Global\\";

std::string EnvOr(const char* variable, std::string fallback) {
    const char* value = std::getenv(variable);
    return (value != nullptr && *value != '\0') ? std::string(value) : fallback;
}

bool EnsureFolder(const std::string& folder, mode_t mode) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
    if (::mkdir(folder.c_str(), mode) != 0 && errno != EEXIST) return false;
    ::chmod(folder.c_str(), mode);  // mkdir applies the umask; the shared folder must stay writable
    return true;
}

std::string EncodeFileName(std::string_view name) {
    std::string out;
    for (char c : name) {
        if (c == '/') {
            out += "%2F";
        } else if (c == '%') {
            out += "%25";
        } else if (c == '\0') {
            out += "%00";
        } else {
            out += c;
        }
    }
    if (out == "." || out == "..") out = "%2E" + out.substr(1);
    return out;
}

int OpenLockFile(std::string_view name) {
    const std::string path = NamedObject::PathFor(name);
    if (path.empty()) {
        errno = ENOENT;
        return -1;
    }
    // 0666: other users' programs take part in the same arbitration in the machine-wide folder.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd >= 0) ::fchmod(fd, 0666);
    return fd >= 0 ? fd : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

}  // namespace

NamedObject::NamedObject(NamedObject&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

NamedObject& NamedObject::operator=(NamedObject&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

NamedObject::~NamedObject() {
    Release();
}

void NamedObject::Release() {
    if (fd_ >= 0) {
        ::close(fd_);  // closing the description drops its flock
        fd_ = -1;
    }
}

std::string NamedObject::FolderFor(bool machine_wide) {
    std::string folder;
    if (machine_wide) {
        folder = EnvOr("ORVANE_OBJECT_DIR", "/run/lock/velor");
        return EnsureFolder(folder, 01777) ? folder : std::string();
    }
    const std::string runtime = EnvOr("XDG_RUNTIME_DIR", "/tmp/velor-runtime-" + std::to_string(::getuid()));
    if (std::getenv("ORVANE_SESSION_DIR") == nullptr && !EnsureFolder(runtime, 0700)) return {};
    folder = EnvOr("ORVANE_SESSION_DIR", runtime + "/velor");
    return EnsureFolder(folder, 0700) ? folder : std::string();
}

std::string NamedObject::PathFor(std::string_view name) {
    const bool machine_wide = name.starts_with(kGlobalPrefix);
    if (machine_wide) name.remove_prefix(kGlobalPrefix.size());
    if (name.empty()) return {};
    const std::string folder = FolderFor(machine_wide);
    if (folder.empty()) return {};
    return folder + "/" + EncodeFileName(name);
}

NamedObject NamedObject::Create(std::string_view name, NamedObjectStatus* status) {
    const int fd = OpenLockFile(name);
    if (fd < 0) {
        *status = (errno == EACCES || errno == EPERM) ? NamedObjectStatus::Denied : NamedObjectStatus::Failed;
        return {};
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = (errno == EWOULDBLOCK);
        ::close(fd);
        *status = held ? NamedObjectStatus::AlreadyExists : NamedObjectStatus::Failed;
        return {};
    }
    *status = NamedObjectStatus::Created;
    return NamedObject(fd);
}

NamedObject NamedObject::Acquire(std::string_view name) {
    const int fd = OpenLockFile(name);
    if (fd < 0) return {};
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd);
            return {};
        }
    }
    return NamedObject(fd);
}

bool NamedObject::Exists(std::string_view name) {
    NamedObjectStatus status = NamedObjectStatus::Failed;
    NamedObject probe = Create(name, &status);
    return status == NamedObjectStatus::AlreadyExists;
}

}  // namespace orvane
