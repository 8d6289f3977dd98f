// Folders and files that other local users can reach: the machine-wide object folder, the session
// folder and the survey folder.
//
// Anything another user can write is taken as hostile. So these calls never follow a symbolic
// link in the last step of a name (the folder itself, or a file in it), work relative to the
// opened folder's descriptor so that a folder swapped after the check is never used, check the
// type and owner of what they opened on the descriptor itself, and change the mode of a folder or
// file only when this call created it. None of them ever truncates a file it did not create or
// waits on what it opened (FIFOs and devices are opened without blocking and then refused).
//
// What each kind of shared folder promises:
// - Machine-wide (FolderSharing::kMachineWide; the named-object folder, default /run/lock/velor,
//   and the survey folder): every local user may create files here, so it is created with mode
//   1777. An existing one must be a real folder with the sticky bit, so that no user can remove or
//   rename another user's file in it, or one that nobody but its owner can write, owned by this
//   user or root (a private folder: nobody else can plant or remove anything there). A file in it may still
//   be planted by anyone before we come: it is used only when it is a regular file with a single link, and
//   its mode and content are left alone unless this call created it.
// - Private (FolderSharing::kPrivate; the session folder, default $XDG_RUNTIME_DIR/velor, with the
//   session objects and the port-claim table): like ssh's folder, a real folder owned by this user
//   and writable by nobody else (created 0700). Only this user can put anything there, so what is
//   in it is this user's own; the file rules above still apply.
#pragma once

#include <sys/types.h>
#include <string>
#include <string_view>

namespace orvane {

// Who may write into a shared folder, and therefore what an existing one must look like.
enum class FolderSharing {
    kMachineWide,  // every local user: sticky, or writable by its owner (this user or root) alone
    kPrivate,      // only this user: owned by the effective user, not writable by group or others
};

// Owns one file descriptor; closes it when it goes.
class ScopedFd {
  public:
    ScopedFd() = default;
    explicit ScopedFd(int fd) : fd_(fd) {}
    ScopedFd(ScopedFd&& other) noexcept;
    ScopedFd& operator=(ScopedFd&& other) noexcept;
    ScopedFd(const ScopedFd&) = delete;
    ScopedFd& operator=(const ScopedFd&) = delete;
    ~ScopedFd();

    int Get() const { return fd_; }
    bool IsValid() const { return fd_ >= 0; }
    // Hands the descriptor over; this object then owns none.
    int Release();

  private:
    int fd_ = -1;
};

// Opens the folder `name` (one path component) inside the folder open as `parent_fd`, creating it
// when missing; mode `mode` (for example 01777 or 0700) is then set on the new folder's descriptor.
// An existing folder is used unchanged when it satisfies `sharing`. Returns the folder's
// descriptor, or -1 with errno set: ELOOP or ENOTDIR for a link or non-folder, EPERM for a folder
// that breaks the rules of `sharing`.
int OpenSharedFolderAt(int parent_fd, std::string_view name, mode_t mode, FolderSharing sharing);

// The same for a folder given by path: every component but the last is followed as the system
// resolves it (those are chosen by the administrator or the environment); the last one obeys the
// rules above. Trailing slashes are ignored.
int OpenSharedFolder(const std::string& path, mode_t mode, FolderSharing sharing);

// Why the folder `path` cannot serve under `sharing`, as the end of a sentence about it ("is a
// symbolic link", "can be written by other users but lacks the sticky bit"); empty when it can.
// Like OpenSharedFolder, it creates a missing folder with `mode`.
std::string SharedFolderRefusal(const std::string& path, mode_t mode, FolderSharing sharing);

// Opens the lock file `name` in the folder `folder_fd`, for reading and writing when allowed, else
// for reading (a flock needs no more). A new file is created exclusively and given `mode`; an
// existing one is opened without following a link and used only when it is a regular file with
// one link; its mode and content stay as they are. Returns the descriptor or -1 with errno set
// (EACCES when this user may not open an existing file, ELOOP for a link, EISDIR or EINVAL for
// any other kind of file, EMLINK for a regular file with more than one link).
int OpenLockFileAt(int folder_fd, std::string_view name, mode_t mode);

// Opens the existing file `name` in the folder `folder_fd` for reading, under the same rules as
// an existing lock file. Returns the descriptor or -1 with errno set (ENOENT when there is none).
int OpenSharedFileForReadingAt(int folder_fd, std::string_view name);

// Replaces the file `name` in the folder `folder_fd` by one holding `content` and carrying mode
// `mode`: the content goes into a new temporary file in the same folder, is flushed to disk, and
// the temporary file is then renamed over `name`. A link or anything else planted under `name` is
// replaced, never followed. In a sticky folder the system refuses to replace another user's file:
// then nothing changes. Returns 0, or an errno value.
int ReplaceSharedFileAt(int folder_fd, std::string_view name, std::string_view content, mode_t mode);

}  // namespace orvane
