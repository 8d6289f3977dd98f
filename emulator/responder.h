// The transport faults shown on demand, and the responder that turns the printer's answers into
// the transfers a link sends.
#pragma once

#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "emulator/printer.h"

namespace orvane::sim {

// The request operations a fault applies to: a comma-separated list, or "all".
struct OperationScope {
    bool all = false;
    std::set<std::string> operations;

    // Reads "all" or "StartJob,ReceiveData"; false for an empty list.
    bool Parse(const std::string& text);
    bool Covers(const std::string& operation) const { return all || operations.count(operation) > 0; }
};

// Transport faults shown on demand.
struct Faults {
    std::size_t stale_bytes = 0;  // stray bytes ahead of the answer's `<?xml`
    OperationScope stale_scope;
    OperationScope unrelated_before;  // a GetStatusResponse as its own transfer before the answer
    long split_payload = -1;          // ReceiveData: answer alone, this many status documents, payload
    bool stray_start_job = false;     // ReceiveData: a StartJobResponse between answer and payload
    OperationScope pad4096;           // pad each transfer to a multiple of 4096 bytes
    long delay_ms = 0;                // wait before answering
    OperationScope delay_scope;
    long silent_after = -1;          // answer nothing once this many requests were answered
    long disconnect_at = 0;          // break the link in the middle of this request's answer (1 = first)
    std::string status = "STA:10;";  // network status text
    long status_count = 0;           // status replies that use `status` before "STA:10;"; 0 all
};

// How one answer goes out: wait, then each transfer apart from the next; with `break_link` only the first
// half of the first transfer goes out before the link drops.
struct Delivery {
    long delay_ms = 0;
    std::vector<std::string> transfers;
    bool break_link = false;
};

// Puts the printer's answers on the wire with the faults asked for. Shared by every link.
class Responder {
  public:
    Responder(Printer& printer, Faults faults, OperationLog& log)
        : printer_(printer), faults_(std::move(faults)), log_(log) {}

    // The delivery of one request's answer, or nothing when the printer stays silent.
    std::optional<Delivery> Respond(const ReceivedRequest& received);

    // The text of the next network status reply.
    std::string NextStatus();

  private:
    std::vector<std::string> Transfers(const Answer& answer) const;

    std::mutex mutex_;
    Printer& printer_;
    Faults faults_;
    OperationLog& log_;
    long requests_ = 0;
    long status_replies_ = 0;
};

}  // namespace orvane::sim
