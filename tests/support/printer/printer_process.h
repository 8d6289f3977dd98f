// The one way the tests start the virtual printer: an orvane-printer-sim in a temporary folder of its
// own, which holds its ready file, its operation log and whatever the arguments put there.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace orvane::testsupport {

class PrinterProcess {
  public:
    // Starts the program with `arguments` ("@DIR@" stands for the run's folder; --ready-file and --log
    // are added) and waits until its ready file appears or it ends; IsReady() tells which.
    explicit PrinterProcess(std::vector<std::string> arguments);
    // Stops the printer and removes its folder.
    ~PrinterProcess();
    PrinterProcess(const PrinterProcess&) = delete;
    PrinterProcess& operator=(const PrinterProcess&) = delete;

    // True once the printer has written its ready file.
    bool IsReady() const;
    // Sends SIGTERM unless the printer has ended already, and returns its exit status; -1 when it did
    // not end normally or had to be killed.
    int Stop();
    // The folder of this run.
    const std::string& dir() const { return dir_; }
    // The value of the ready file's "usb" or "tcp" line, or "".
    std::string Ready(const std::string& key) const;
    // The operation log so far.
    std::string Log() const;
    // How many lines of the log name the request `operation`.
    int Count(const std::string& operation) const;
    // Waits until the log holds `text`; false after a generous time-out.
    bool WaitForLog(const std::string& text) const;

  private:
    // Collects the exit status once the printer has ended; true from then on.
    bool HasEnded();

    std::string dir_;
    pid_t pid_ = -1;
    int status_ = -1;
};

}  // namespace orvane::testsupport
