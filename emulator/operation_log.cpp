#include "emulator/operation_log.h"

#include <fcntl.h>
#include <unistd.h>

namespace orvane::sim {

bool OperationLog::Open(const std::string& path) {
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    return fd_ >= 0;
}

OperationLog::~OperationLog() {
    if (fd_ >= 0) ::close(fd_);
}

void OperationLog::Line(std::string_view line) {
    std::lock_guard lock(mutex_);
    if (fd_ < 0) return;
    const std::string text = std::string(line) + "\n";
    // One write per line keeps lines whole for a reader polling the file.
    [[maybe_unused]] const ssize_t written = ::write(fd_, text.data(), text.size());
}

void OperationLog::Event(std::string_view text) {
    Line("# " + std::string(text));
}

}  // namespace orvane::sim
