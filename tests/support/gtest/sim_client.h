#pragma once

// A minimal computer side for the virtual printer: starts the program, and talks to it through the
// device node or a TCP socket with a few system calls, independent of the project's own layers.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "printer_process.h"

namespace simtest {

// The common namespace URI the test documents declare.
inline const std::string kUri = "http://www.velor.com/ns/cmd/2008/07/common/";

// A request document on one line; `params` are the elements inside param_set.
std::string Request(const std::string& op, const std::string& params);

// The text of `<ivec:name>` in a document, or "" (prefix as given).
std::string Element(const std::string& doc, const std::string& name, const std::string& prefix = "ivec");

// One running orvane-printer-sim in its own temporary folder (see PrinterProcess); the test fails when
// it does not get ready.
class SimProcess : public orvane::testsupport::PrinterProcess {
  public:
    explicit SimProcess(std::vector<std::string> arguments);
};

// The device node as the client uses it: opened around every write and read.
class NodeClient {
  public:
    explicit NodeClient(std::string path) : path_(std::move(path)) {}
    // Opens, writes everything, closes.
    bool Write(const std::string& bytes);
    // Opens, gathers one transfer (waits up to `firstMs` for the first byte, ends after the node has
    // been quiet for a settle interval), closes.
    std::string Read(int firstMs = 10000);
    // Write then Read.
    std::string Exchange(const std::string& bytes) { return Write(bytes) ? Read() : std::string(); }

  private:
    std::string path_;
};

// One TCP connection speaking the framed convention.
class FrameClient {
  public:
    explicit FrameClient(const std::string& hostPort);
    ~FrameClient();
    bool connected() const { return fd_ >= 0; }
    bool Send(char type, const std::string& bytes);
    // Reads one frame; false at end of connection or after `timeoutMs`. `announced` gets the header's
    // length even when the frame is cut short.
    bool Receive(char& type, std::string& bytes, int timeoutMs = 10000, std::size_t* announced = nullptr);
    // Sends a 'D' frame and returns the next 'D' frame.
    std::string Exchange(const std::string& bytes);

  private:
    int fd_ = -1;
};

// Runs StartJob and returns the job ID handed out.
template <typename Client>
std::string StartJob(Client& client) {
    return Element(
        client.Exchange(Request("StartJob", "<ivec:jobID>00000001</ivec:jobID><ivec:bidi>1</ivec:bidi>")),
        "jobID");
}

}  // namespace simtest
