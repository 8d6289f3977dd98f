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

// Tries `attempt` until it succeeds or `timeout_ms` milliseconds have passed. Locks have no
// time-out of their own: poll often enough that a released object is taken at once. Gives up at
// once on an error other than "held by someone else".
template <typename Attempt>
bool PollUntil(int timeout_ms, Attempt attempt) {
    using Clock = std::chrono::steady_clock;
    constexpr auto kPollInterval = std::chrono::milliseconds(20);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(timeout_ms, 0));
    for (;;) {
        if (attempt()) return true;
        const Clock::time_point now = Clock::now();
        if ((errno != EWOULDBLOCK && errno != EAGAIN && errno != EACCES && errno != EINTR) || now >= deadline)
            return false;
        std::this_thread::sleep_for(std::min<Clock::duration>(kPollInterval, deadline - now));
    }
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

NamedObject::NamedObject(NamedObject&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), owned_(std::exchange(other.owned_, false)) {}

NamedObject& NamedObject::operator=(NamedObject&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
        owned_ = std::exchange(other.owned_, false);
    }
    return *this;
}

NamedObject::~NamedObject() {
    Release();
}

void NamedObject::Release() {
    if (fd_ >= 0) {
        ::close(fd_);  // closing the description drops its flock and its ownership lock
        fd_ = -1;
    }
    owned_ = false;
}

std::string NamedObject::FolderFor(bool machine_wide) {
    const ScopedFd folder(OpenScopeFolder(machine_wide));
    if (!folder.IsValid()) return {};
    if (machine_wide) return MachineFolderPath();
    const std::string session = SessionFolderOverride();
    return session.empty() ? RuntimeFolderPath() + "/" + std::string(kSessionFolderName) : session;
}

std::string NamedObject::FolderProblem() {
    const auto problem = [](const char* what, const std::string& path, mode_t mode, FolderSharing sharing) {
        const std::string refusal = SharedFolderRefusal(path, mode, sharing);
        return refusal.empty() ? refusal : std::string(what) + " " + path + " " + refusal;
    };
    if (std::string machine =
            problem("the object folder", MachineFolderPath(), 01777, FolderSharing::kMachineWide);
        !machine.empty()) {
        return machine;
    }
    const std::string session = SessionFolderOverride();
    if (!session.empty()) return problem("the session folder", session, 0700, FolderSharing::kPrivate);
    if (std::string runtime =
            problem("the runtime folder", RuntimeFolderPath(), 0700, FolderSharing::kPrivate);
        !runtime.empty()) {
        return runtime;
    }
    return problem("the session folder", RuntimeFolderPath() + "/" + std::string(kSessionFolderName), 0700,
                   FolderSharing::kPrivate);
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

// Opens the lock file of `name` for Create and CreateUnowned: -1 with `status` set when it cannot,
// else its descriptor, with its identity in `file` when given.
int NamedObject::OpenObjectFile(std::string_view name, NamedObjectStatus* status, LockFileId* file) {
    const int fd = OpenFile(name);
    if (fd < 0) {
        *status = (errno == EACCES || errno == EPERM) ? NamedObjectStatus::Denied : NamedObjectStatus::Failed;
        return -1;
    }
    struct stat info {};
    if (file != nullptr && ::fstat(fd, &info) == 0) *file = LockFileId{info.st_dev, info.st_ino};
    return fd;
}

NamedObject NamedObject::Create(std::string_view name, NamedObjectStatus* status, LockFileId* file) {
    const int fd = OpenObjectFile(name, status, file);
    if (fd < 0) return {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = (errno == EWOULDBLOCK);
        ::close(fd);
        *status = held ? NamedObjectStatus::AlreadyExists : NamedObjectStatus::Failed;
        return {};
    }
    *status = NamedObjectStatus::Created;
    return NamedObject(fd, true);
}

NamedObject NamedObject::CreateUnowned(std::string_view name, NamedObjectStatus* status, LockFileId* file) {
    const int fd = OpenObjectFile(name, status, file);
    if (fd < 0) return {};
    // A shared flock keeps the object in existence without keeping anyone from owning it.
    const bool alone = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno != EWOULDBLOCK) {
        ::close(fd);
        *status = NamedObjectStatus::Failed;
        return {};
    }
    *status = alone ? NamedObjectStatus::Created : NamedObjectStatus::AlreadyExists;
    return NamedObject(fd, false);
}

bool NamedObject::OwnWithin(int timeout_ms) {
    if (fd_ < 0) return false;
    if (owned_) return true;
    // Ownership is a write lock on the file's first byte, kept on the open description like the
    // flock. A handle that owns through an exclusive flock (Create, Acquire) keeps the shared flock
    // from being had, and so counts as owning too.
    struct flock owner {};
    owner.l_type = F_WRLCK;
    owner.l_whence = SEEK_SET;
    owner.l_start = 0;
    owner.l_len = 1;
    const auto try_own = [&] {
        return ::flock(fd_, LOCK_SH | LOCK_NB) == 0 && ::fcntl(fd_, F_OFD_SETLK, &owner) == 0;
    };
    owned_ = PollUntil(timeout_ms, try_own);
    return owned_;
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
    return NamedObject(fd, true);
}

NamedObject NamedObject::AcquireWithin(std::string_view name, int timeout_ms) {
    const int fd = OpenFile(name);
    if (fd < 0) return {};
    if (PollUntil(timeout_ms, [fd] { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; }))
        return NamedObject(fd, true);
    ::close(fd);
    return {};
}

bool NamedObject::Exists(std::string_view name) {
    NamedObjectStatus status = NamedObjectStatus::Failed;
    NamedObject probe = Create(name, &status);
    return status == NamedObjectStatus::AlreadyExists;
}

}  // namespace orvane
