#include "remotesetup/directory_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <new>

namespace orvane {
namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded (a failed close can mean lost data).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

  private:
    int fd_;
};

// The folder a file lives in, "." for a bare file name.
std::filesystem::path FolderOf(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

bool ReadFully(int fd, char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t got = ::read(fd, data, size);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

bool WriteFully(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t put = ::write(fd, data, size);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

RsResult CheckFreeSpace(const std::filesystem::path& folder, std::size_t needed) {
    struct statvfs info {};
    if (::statvfs(folder.c_str(), &info) != 0) return rs::kFreeSpaceQueryFailed;
    const unsigned long long available =
        static_cast<unsigned long long>(info.f_bavail) * static_cast<unsigned long long>(info.f_frsize);
    return available < needed ? rs::kDiskFull : rs::kSuccess;
}

// Creates a new, empty temporary file in `folder` with a name nobody else uses.
int CreateTemporary(const std::filesystem::path& folder, std::filesystem::path* temporary) {
    static std::atomic<unsigned> counter{0};
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        *temporary =
            folder / (".orvane-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp");
        const int fd = ::open(temporary->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Gives the temporary file the permission bits of the file it replaces, when there is one.
void KeepPermissions(int fd, const std::filesystem::path& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) ::fchmod(fd, info.st_mode & 07777);
}

// Makes the rename itself durable; the data are already safe, so a failure here is not reported.
void FlushFolder(const std::filesystem::path& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

// The file a save really replaces: a symbolic link is followed, so that the link stays and the
// file it names gets the new contents.
std::filesystem::path FollowLinks(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target;
}

}  // namespace

RsResult ReadWholeFile(const std::filesystem::path& path, std::size_t max_size, std::string* bytes) {
    // Non-blocking so that opening a FIFO cannot hang; regular files ignore the flag.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return rs::kFileOpenFailed;
    if (info.st_size <= 0 || static_cast<unsigned long long>(info.st_size) > max_size) {
        return rs::kFileMalformed;
    }
    try {
        bytes->assign(static_cast<std::size_t>(info.st_size), '\0');
    } catch (const std::bad_alloc&) {
        return rs::kOutOfMemory;
    }
    return ReadFully(fd.get(), bytes->data(), bytes->size()) ? rs::kSuccess : rs::kFileMalformed;
}

RsResult ReplaceFileContents(const std::filesystem::path& requested, std::string_view bytes) {
    const std::filesystem::path path = FollowLinks(requested);
    const std::filesystem::path folder = FolderOf(path);
    if (const RsResult result = CheckFreeSpace(folder, bytes.size()); result != rs::kSuccess) return result;
    std::filesystem::path temporary;
    FileDescriptor fd(CreateTemporary(folder, &temporary));
    if (fd.get() < 0) return rs::kFileCreateFailed;
    KeepPermissions(fd.get(), path);
    RsResult result = rs::kSuccess;
    if (!WriteFully(fd.get(), bytes.data(), bytes.size()) || ::fsync(fd.get()) != 0 || !fd.Close()) {
        result = rs::kDiskFull;
    } else if (::rename(temporary.c_str(), path.c_str()) != 0) {
        result = rs::kFileCreateFailed;
    }
    if (result != rs::kSuccess) {
        ::unlink(temporary.c_str());
        return result;
    }
    FlushFolder(folder);
    return rs::kSuccess;
}

}  // namespace orvane
