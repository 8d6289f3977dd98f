#include "transport/internal/usb_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

#include "transport/internal/last_error.h"
#include "transport/internal/port_claim.h"
#include "transport/transport_codes.h"

namespace orvane {
namespace {

using Clock = std::chrono::steady_clock;

constexpr uint32_t kPauseBeforeCloseMs = 100;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::max<long long>(left, 0));
}

enum class Ready { Yes, TimedOut, Failed };

// Waits until the descriptor is ready for `events` or the deadline passes.
Ready WaitUntil(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int result = ::poll(&entry, 1, MillisecondsLeft(deadline));
        if (result < 0 && errno == EINTR) continue;
        if (result < 0) return Ready::Failed;
        if (result == 0) return Ready::TimedOut;
        if ((entry.revents & events) != 0) return Ready::Yes;
        return Ready::Failed;  // hang-up or error without readiness
    }
}

}  // namespace

uint32_t EffectiveUsbWriteTimeout(uint32_t given_ms) {
    return (given_ms >= 1 && given_ms <= 15000) ? given_ms : 2000;
}

uint32_t EffectiveUsbReadTimeout(uint32_t given_ms) {
    return (given_ms >= 1 && given_ms <= 30000) ? given_ms : 4000;
}

UsbPort::UsbPort(std::string port_name, const TransportHooks& hooks)
    : port_name_(std::move(port_name)), hooks_(hooks) {}

UsbPort::~UsbPort() {
    CloseDevice();
}

bool UsbPort::Fail(uint32_t code) {
    SetTransportLastError(code);
    return false;
}

uint32_t UsbPort::Probe() {
    const uint32_t code = OpenDevice();
    CloseDevice();
    return code;
}

uint32_t UsbPort::OpenDevice() {
    if (fd_ >= 0) return transport_code::kSuccess;
    const std::string path = FindUsbDevicePath(port_name_);
    if (path.empty()) return transport_code::kUsbDeviceNotFound;
    // O_NOCTTY: the virtual printer's node is a pseudo-terminal, which must not become ours.
    fd_ = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) return transport_code::kUsbDeviceNotFound;
    // The device folder may be writable by others: only a character device is a printer's node.
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISCHR(info.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        return transport_code::kUsbDeviceNotFound;
    }
    write_pending_ = false;
    return transport_code::kSuccess;
}

void UsbPort::CloseDevice() {
    if (fd_ < 0) return;
    if (write_pending_) {
        FinishPending(0);  // whatever the device does not take at once is cancelled
        write_pending_ = false;
    }
    if (pause_before_close_) {
        Pause(hooks_, kPauseBeforeCloseMs);
    } else {
        pause_before_close_ = true;
    }
    ::close(fd_);
    fd_ = -1;
}

UsbPort::Wait UsbPort::FinishPending(uint32_t timeout_ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    while (pending_offset_ < pending_length_) {
        const ssize_t sent =
            ::write(fd_, write_buffer_.data() + pending_offset_, pending_length_ - pending_offset_);
        if (sent > 0) {
            pending_offset_ += static_cast<size_t>(sent);
            continue;
        }
        if (sent < 0 && errno == EINTR) continue;
        if (sent < 0 && errno != EAGAIN) return Wait::Failed;
        if (timeout_ms == 0) return Wait::TimedOut;
        const Ready ready = WaitUntil(fd_, POLLOUT, deadline);
        if (ready == Ready::TimedOut) return Wait::TimedOut;
        if (ready == Ready::Failed) return Wait::Failed;
    }
    return Wait::Done;
}

bool UsbPort::Write(const uint8_t* data, uint32_t length, uint32_t* written, uint32_t timeout_ms) {
    *written = 0;
    const uint32_t timeout = EffectiveUsbWriteTimeout(timeout_ms);
    const uint32_t opened = OpenDevice();
    if (opened != transport_code::kSuccess) return Fail(opened);
    const bool earlier_chunk = write_pending_;
    if (!earlier_chunk) {
        pending_length_ = std::min<size_t>(length, kWriteChunkSize);
        pending_offset_ = 0;
        std::memcpy(write_buffer_.data(), data, pending_length_);
        const ssize_t sent = ::write(fd_, write_buffer_.data(), pending_length_);
        if (sent < 0 && errno != EAGAIN && errno != EINTR) {
            CloseDevice();
            return Fail(transport_code::kUsbIoFailure);
        }
        pending_offset_ = sent > 0 ? static_cast<size_t>(sent) : 0;
        if (pending_offset_ == pending_length_) {
            *written = static_cast<uint32_t>(pending_length_);
            CloseDevice();
            return true;
        }
        write_pending_ = true;
    }
    switch (FinishPending(timeout)) {
        case Wait::Done:
            *written = static_cast<uint32_t>(pending_length_);
            write_pending_ = false;
            // A chunk that completed by waiting has paced the device already.
            if (!earlier_chunk) pause_before_close_ = false;
            CloseDevice();
            return true;
        case Wait::TimedOut:
            return Fail(transport_code::kWriteTimeout);  // stays pending, device stays open
        case Wait::Failed:
            break;
    }
    write_pending_ = false;
    CloseDevice();
    return Fail(transport_code::kUsbIoFailure);
}

UsbPort::Wait UsbPort::Gather(uint8_t* buffer, uint32_t length, uint32_t timeout_ms, uint32_t* read) {
    // The whole read, trickling data included, never takes longer than its time-out.
    const auto limit = Clock::now() + std::chrono::milliseconds(timeout_ms);
    auto deadline = limit;
    // Only an empty node is waited on; what it holds is taken at once, so that a node marking the end
    // of a transfer with a zero-length read ends the gathering without a quiet interval.
    bool empty = true;
    while (*read < length) {
        if (empty) {
            const Ready ready = WaitUntil(fd_, POLLIN, deadline);
            if (ready != Ready::Yes) {
                if (*read > 0) return Wait::Done;  // quiet after data: the transfer is complete
                return ready == Ready::TimedOut ? Wait::TimedOut : Wait::Failed;
            }
        }
        const ssize_t got = ::read(fd_, buffer + *read, length - *read);
        if (got == 0) return Wait::Done;  // a zero-length transfer ends the data
        if (got < 0) {
            if (errno == EINTR) continue;
            if (errno != EAGAIN) return *read > 0 ? Wait::Done : Wait::Failed;
            empty = true;
            continue;
        }
        *read += static_cast<uint32_t>(got);
        const auto now = Clock::now();
        if (now >= limit) return Wait::Done;
        deadline = std::min(limit, now + std::chrono::milliseconds(kUsbSettleMilliseconds));
        empty = false;
    }
    return Wait::Done;
}

bool UsbPort::Read(uint8_t* buffer, uint32_t length, uint32_t* read, uint32_t timeout_ms) {
    *read = 0;
    last_read_timed_out_ = false;
    const uint32_t timeout = EffectiveUsbReadTimeout(timeout_ms);
    const uint32_t opened = OpenDevice();
    if (opened != transport_code::kSuccess) return Fail(opened);
    const Wait result = Gather(buffer, length, timeout, read);
    CloseDevice();
    if (result == Wait::Done) return true;
    last_read_timed_out_ = result == Wait::TimedOut;
    return Fail(transport_code::kUsbIoFailure);
}

}  // namespace orvane
