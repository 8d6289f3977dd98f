#include "emulator/usb_device.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace orvane::sim {
namespace {

// Pause that lets the computer's settle interval see the end of one transfer.
constexpr long kTransferGapMs = 250;
// How long the printer waits for the computer to take a transfer before sending the next anyway.
constexpr long kDrainLimitMs = 10000;
// How long a full device queue may block a transfer before it is dropped.
constexpr long kSendLimitMs = 30000;

std::string Failure(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

}  // namespace

UsbDevice::~UsbDevice() {
    Unpublish();
}

std::string UsbDevice::Open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return Failure("pseudo-terminal");
    const char* slave_name = ::ptsname(master_);
    if (slave_name == nullptr) return Failure("ptsname");
    slave_ = ::open(slave_name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave_ < 0) return Failure(slave_name);
    termios mode{};
    if (::tcgetattr(slave_, &mode) != 0) return Failure("tcgetattr");
    ::cfmakeraw(&mode);
    if (::tcsetattr(slave_, TCSANOW, &mode) != 0) return Failure("tcsetattr");
    struct stat existing {};
    if (::lstat(path_.c_str(), &existing) == 0) {
        if (!S_ISLNK(existing.st_mode)) return path_ + " exists and is not a symlink";
        ::unlink(path_.c_str());
    }
    if (::symlink(slave_name, path_.c_str()) != 0) return Failure(path_);
    return "";
}

std::string UsbDevice::Publish(const std::string& directory, int index) {
    ::mkdir(directory.c_str(), 0755);
    path_ = directory + "/lp" + std::to_string(index);
    std::string error = Open();
    if (!error.empty()) Unpublish();
    return error;
}

void UsbDevice::Unpublish() {
    if (master_ >= 0) {
        char target[64];
        // Only our own symlink is removed, never one a later printer made.
        const ssize_t n = ::readlink(path_.c_str(), target, sizeof target - 1);
        const char* slave_name = ::ptsname(master_);
        if (n > 0 && slave_name != nullptr &&
            std::string(target, static_cast<std::size_t>(n)) == slave_name) {
            ::unlink(path_.c_str());
        }
    }
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
}

std::string UsbDevice::Replug() {
    SleepUnlessStopped(500);
    std::string error = Open();
    if (!error.empty()) Unpublish();
    return error;
}

bool UsbDevice::Receive(std::string& bytes, int timeout_ms) {
    if (master_ < 0) return false;
    pollfd p{master_, POLLIN, 0};
    if (::poll(&p, 1, timeout_ms) <= 0) return true;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        return n < 0 && (errno == EAGAIN || errno == EINTR || errno == EIO);
    }
}

bool UsbDevice::Write(std::string_view bytes) {
    const auto start = std::chrono::steady_clock::now();
    while (!bytes.empty() && !g_stop_requested) {
        const ssize_t n = ::write(master_, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
        if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(kSendLimitMs)) return true;
        pollfd p{master_, POLLOUT, 0};
        ::poll(&p, 1, 100);
    }
    return true;
}

void UsbDevice::MarkTransferEnd(bool ended) {
    termios mode{};
    if (::tcgetattr(slave_, &mode) != 0) return;
    // VMIN 0: a read of the drained node returns zero bytes at once instead of waiting for more.
    mode.c_cc[VMIN] = ended ? 0 : 1;
    mode.c_cc[VTIME] = 0;
    ::tcsetattr(slave_, TCSANOW, &mode);
}

bool UsbDevice::Send(std::string_view transfer) {
    MarkTransferEnd(false);
    const bool sent = Write(transfer);
    MarkTransferEnd(true);
    return sent;
}

void UsbDevice::Separate() {
    // Bytes reach the slave's queue shortly after the write; then wait until the computer took them all.
    SleepUnlessStopped(20);
    for (long waited = 0; waited < kDrainLimitMs && !g_stop_requested; waited += 10) {
        int queued = 0;
        if (::ioctl(slave_, FIONREAD, &queued) != 0 || queued == 0) break;
        SleepUnlessStopped(10);
    }
    SleepUnlessStopped(kTransferGapMs);
}

void UsbDevice::Break(std::string_view transfer) {
    MarkTransferEnd(false);  // the cut transfer never ends
    Write(transfer.substr(0, transfer.size() / 2));
    SleepUnlessStopped(100);
    Unpublish();
}

}  // namespace orvane::sim
