#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "emulator/capability.h"
#include "emulator/directory.h"
#include "emulator/operation_log.h"
#include "emulator/request.h"
#include "emulator/response.h"

namespace orvane::sim {

// What the printer is and how it behaves apart from transport faults.
struct PrinterSettings {
    Capability capability;
    SlotOrder order = SlotOrder::CodedFirst;
    std::string statePath;         // state file, empty to keep the directory in memory only
    unsigned long jobIdStart = 1;  // first job ID handed out
    long jobTimeoutSeconds = 60;   // an idle job ends after this; 0 keeps it forever
    long busyJobs = 0;             // StartJob requests answered "DeviceBusy" first
    long editAfterRead = 0;        // after this many ReceiveData answers someone edits a name; 0 never
    long editAfterWrite = 0;       // after this many accepted SendData requests the same; 0 never
    std::string prefix = "ivec";   // namespace prefix of the printer's documents
    std::string namespaceUri;      // used when a request's own URI cannot be echoed
};

// A response: the document and, for ReceiveData, the payload that belongs after it.
struct Answer {
    std::string document;
    std::string payload;
    std::string operation;  // the request's operation
    ResponseStyle style;
};

// The job protocol side of the printer: one job at a time, its directory and state file.
class Printer {
  public:
    Printer(PrinterSettings settings, Directory directory, OperationLog& log);

    // Answers one request and writes its log line. A request without an operation name gets no answer.
    std::optional<Answer> Handle(const ReceivedRequest& received);

    // The directory as it is now.
    const Directory& directory() const { return directory_; }

    // Saves the directory to the state file (if any); false and a log event on failure.
    bool Persist();

  private:
    using Fields = std::vector<std::pair<std::string, std::string>>;

    Outcome CheckJob(const Request& request);
    Outcome StartJob(Fields& fields);
    Outcome GetCapability(Fields& fields);
    Outcome ReceiveData(const Request& request, std::string& payload);
    Outcome SendData(const Request& request, const std::string& payload);
    Outcome EndJob(const Request& request);
    Outcome Dispatch(const ReceivedRequest& received, Fields& fields, std::string& payload);
    void ExpireIdleJob();
    void EditAfterRead();
    void EditAfterWrite();
    // Someone edits one name on the printer.
    void EditOneNameNow();

    PrinterSettings settings_;
    Widths widths_;
    Directory directory_;
    OperationLog& log_;
    std::optional<std::string> job_;
    std::chrono::steady_clock::time_point lastActivity_;
    unsigned long nextJobId_;
    long startJobs_ = 0;
    long reads_ = 0;
    long writes_ = 0;
};

}  // namespace orvane::sim
