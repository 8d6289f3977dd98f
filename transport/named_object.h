// Named kernel objects on POSIX: the machine-wide and session-wide mutexes that programs use to
// signal each other and to claim resources.
//
// An object is a lock file. A name that begins with "Global\" lives in the machine-wide folder
// (default /run/lock/velor, ORVANE_OBJECT_DIR overrides); any other name lives in the session folder
// (default $XDG_RUNTIME_DIR/velor, ORVANE_SESSION_DIR overrides). "Created" means the file was
// opened and an exclusive flock taken on it; "already exists" means another handle holds that
// flock. The kernel drops the flock when its holder dies, so a crashed program never keeps an
// object alive.
//
// The machine-wide folder is shared by every local user (mode 1777, sticky; or private to its
// owner, this user or root), the session folder
// belongs to this user alone; both are opened under the rules of shared_file.h. A lock file is
// never followed through a link, never truncated, and gets its mode (0666 machine-wide, so that
// other users' programs take part in the same arbitration; 0600 in the session) only when this
// process created it. Anything else found under an object's name, or a folder that breaks its
// rules, makes the object fail (Failed), never wait.
#pragma once

#include <sys/types.h>
#include <string>
#include <string_view>

namespace orvane {

// Outcome of NamedObject::Create.
enum class NamedObjectStatus {
    Created = 0,        // this handle now holds the object
    AlreadyExists = 1,  // another handle holds it; nothing is held
    Failed = 2,         // the folder or file could not be made or opened; nothing is held
    Denied = 3,         // the file exists but this user may not open it; nothing is held
};

// A lock file as the kernel's list of locks (/proc/locks) names it.
struct LockFileId {
    dev_t device = 0;
    ino_t inode = 0;
};

// One held named object. Move-only; the destructor releases it.
class NamedObject {
  public:
    NamedObject() = default;
    NamedObject(NamedObject&& other) noexcept;
    NamedObject& operator=(NamedObject&& other) noexcept;
    NamedObject(const NamedObject&) = delete;
    NamedObject& operator=(const NamedObject&) = delete;
    ~NamedObject();

    // Creates the object without waiting. `status` tells whether it was created, already held by
    // someone else, or could not be made; the returned handle is valid only when Created. When
    // `file` is given, it receives the lock file's identity whenever the file could be opened.
    static NamedObject Create(std::string_view name, NamedObjectStatus* status, LockFileId* file = nullptr);

    // Creates or opens the object and waits without a time-out until this handle holds it, as a
    // mutex guard. Returns an invalid handle only when the file cannot be made or opened.
    static NamedObject Acquire(std::string_view name);

    // Creates or opens the object and waits up to `timeout_ms` milliseconds until this handle
    // holds it. Returns an invalid handle when the time ran out or the file cannot be made or opened.
    static NamedObject AcquireWithin(std::string_view name, int timeout_ms);

    // Opens the object without owning it, as a mutex created unowned: the object exists while this
    // handle lives, and nobody waits on it until it is owned (OwnWithin). `status` is Created when no
    // other handle had it open, AlreadyExists when one had, or Failed/Denied as for Create; the
    // handle is valid for Created and AlreadyExists. `file` as for Create.
    static NamedObject CreateUnowned(std::string_view name, NamedObjectStatus* status,
                                     LockFileId* file = nullptr);

    // Waits up to `timeout_ms` milliseconds until this handle owns the object it opened; true when
    // it does. Ownership ends with the handle. A handle from Create or Acquire already owns it.
    bool OwnWithin(int timeout_ms);

    // True when some handle (in any process) holds the object right now.
    static bool Exists(std::string_view name);

    // The lock file that stands for `name`: the folder of its scope and the name without the
    // "Global\" prefix, with "/" and "%" percent-encoded so that a name never leaves its folder.
    // Returns an empty string when the folder cannot be determined.
    static std::string PathFor(std::string_view name);

    // The folder of a scope, created on demand (machine-wide with mode 1777, the session with
    // 0700). Empty when it cannot be made or an existing one breaks the rules of its scope.
    static std::string FolderFor(bool machine_wide);

    // What keeps named objects from being made, as one sentence naming the folder ("the object
    // folder /x can be written by other users but lacks the sticky bit"); empty when the folders
    // of both scopes can be used. Missing folders are created, as for any object.
    static std::string FolderProblem();

    // Opens the lock file of `name` in its folder under the rules above, without locking it.
    // Returns the descriptor, or -1 with errno set (ENOENT when the folder cannot be used).
    static int OpenFile(std::string_view name);

    bool IsHeld() const { return fd_ >= 0; }
    void Release();

  private:
    NamedObject(int fd, bool owned) : fd_(fd), owned_(owned) {}
    static int OpenObjectFile(std::string_view name, NamedObjectStatus* status, LockFileId* file);
    int fd_ = -1;
    bool owned_ = false;
};

}  // namespace orvane
