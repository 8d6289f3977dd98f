// The job protocol side of the virtual printer: its settings, one job at a time, and the answer to
// each request.
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
    std::string state_path;          // state file, empty to keep the directory in memory only
    unsigned long job_id_start = 1;  // first job ID handed out
    long job_timeout_seconds = 60;   // an idle job ends after this; 0 keeps it forever
    long busy_jobs = 0;              // StartJob requests answered "DeviceBusy" first
    long edit_after_read = 0;        // after this many ReceiveData answers someone edits a name; 0 never
    long edit_after_write = 0;       // after this many accepted SendData requests the same; 0 never
    std::string prefix = "ivec";     // namespace prefix of the printer's documents
    std::string namespace_uri;       // used when a request's own URI cannot be echoed
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
    const Directory& CurrentDirectory() const { return directory_; }

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
    std::chrono::steady_clock::time_point last_activity_;
    unsigned long next_job_id_;
    long start_jobs_ = 0;
    long reads_ = 0;
    long writes_ = 0;
};

}  // namespace orvane::sim
