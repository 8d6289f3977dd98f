// The operation log: one line per request received and the printer's events.
#pragma once

#include <mutex>
#include <string>
#include <string_view>

namespace orvane::sim {

// The log of operations received, one line each, appended and flushed line by line so that tests
// can read it while the printer runs. Without a file it writes nothing.
class OperationLog {
  public:
    // Opens (creates or appends to) the file; false when it cannot be opened.
    bool Open(const std::string& path);
    ~OperationLog();

    // Writes one line (a newline is added).
    void Line(std::string_view line);
    // Writes an event line, which starts with "# ".
    void Event(std::string_view text);

  private:
    std::mutex mutex_;
    int fd_ = -1;
};

}  // namespace orvane::sim
