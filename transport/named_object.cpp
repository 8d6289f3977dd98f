#include "transport/named_object.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <utility>

#include "transport/shared_file.h"

namespace orvane {
namespace {

constexpr std::string_view kGlobalPrefix = "Global\\";

std::string EnvOr(const char* variable, std::string fallback) {
    const char* value = std::getenv(variable);
    return (value != nullptr && *value != '\0') ? std::string(value) : fallback;
}

std::string MachineFolderPath() {
    return EnvOr("ORVANE_OBJECT_DIR", "/run/lock/velor");
}

// The session folder given by the environment, or empty when it lies in the runtime folder.
std::string SessionFolderOverride() {
    return EnvOr("ORVANE_SESSION_DIR", "");
}

std::string RuntimeFolderPath() {
    return EnvOr("XDG_RUNTIME_DIR", "/tmp/velor-runtime-" + std::to_string(::getuid()));
}

constexpr std::string_view kSessionFolderName = "velor";

// Opens the folder of a scope under its rules, creating what is missing; -1 when it cannot be used.
int OpenScopeFolder(bool machine_wide) {
    if (machine_wide) return OpenSharedFolder(MachineFolderPath(), 01777, FolderSharing::kMachineWide);
    const std::string session = SessionFolderOverride();
    if (!session.empty()) return OpenSharedFolder(session, 0700, FolderSharing::kPrivate);
    // Without a session manager the runtime folder falls back into /tmp, where anyone could have
    // made it first: it obeys the same rules as the session folder.
    const ScopedFd runtime(OpenSharedFolder(RuntimeFolderPath(), 0700, FolderSharing::kPrivate));
    if (!runtime.IsValid()) return -1;
    return OpenSharedFolderAt(runtime.Get(), kSessionFolderName, 0700, FolderSharing::kPrivate);
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
    const ScopedFd folder(OpenScopeFolder(machine_wide));
    if (!folder.IsValid()) return {};
    if (machine_wide) return MachineFolderPath();
    const std::string session = SessionFolderOverride();
    return session.empty() ? RuntimeFolderPath() + "/" + std::string(kSessionFolderName) : session;
}

std::string NamedObject::PathFor(std::string_view name) {
    const bool machine_wide = name.starts_with(kGlobalPrefix);
    if (machine_wide) name.remove_prefix(kGlobalPrefix.size());
    if (name.empty()) return {};
    const std::string folder = FolderFor(machine_wide);
    if (folder.empty()) return {};
    return folder + "/" + EncodeFileName(name);
}

int NamedObject::OpenFile(std::string_view name) {
    const bool machine_wide = name.starts_with(kGlobalPrefix);
    if (machine_wide) name.remove_prefix(kGlobalPrefix.size());
    const ScopedFd folder(name.empty() ? -1 : OpenScopeFolder(machine_wide));
    if (!folder.IsValid()) {
        errno = ENOENT;  // whatever the folder's own trouble, the object cannot be made
        return -1;
    }
    return OpenLockFileAt(folder.Get(), EncodeFileName(name), machine_wide ? 0666 : 0600);
}

NamedObject NamedObject::Create(std::string_view name, NamedObjectStatus* status, LockFileId* file) {
    const int fd = OpenFile(name);
    if (fd < 0) {
        *status = (errno == EACCES || errno == EPERM) ? NamedObjectStatus::Denied : NamedObjectStatus::Failed;
        return {};
    }
    struct stat info {};
    if (file != nullptr && ::fstat(fd, &info) == 0) *file = LockFileId{info.st_dev, info.st_ino};
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
    const int fd = OpenFile(name);
    if (fd < 0) return {};
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd);
            return {};
        }
    }
    return NamedObject(fd);
}

NamedObject NamedObject::AcquireWithin(std::string_view name, int timeout_ms) {
    using Clock = std::chrono::steady_clock;
    // flock has no time-out: poll often enough that a released object is taken at once.
    constexpr auto kPollInterval = std::chrono::milliseconds(20);
    const int fd = OpenFile(name);
    if (fd < 0) return {};
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(timeout_ms, 0));
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return NamedObject(fd);
        const Clock::time_point now = Clock::now();
        if ((errno != EWOULDBLOCK && errno != EINTR) || now >= deadline) break;
        std::this_thread::sleep_for(std::min<Clock::duration>(kPollInterval, deadline - now));
    }
    ::close(fd);
    return {};
}

bool NamedObject::Exists(std::string_view name) {
    NamedObjectStatus status = NamedObjectStatus::Failed;
    NamedObject probe = Create(name, &status);
    return status == NamedObjectStatus::AlreadyExists;
}

}  // namespace orvane
