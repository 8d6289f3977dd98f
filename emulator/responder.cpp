#include "emulator/responder.h"

#include <sstream>

namespace orvane::sim {
namespace {

// A fragment of an older answer: what a printer leaves behind when a reply was not fully read.
std::string StaleBytes(std::size_t count) {
    const std::string fragment = "nse>OK</ivec:response></ivec:param_set></ivec:contents></cmd>\r\n";
    std::string out;
    while (out.size() < count) out += fragment;
    out.resize(count);
    return out;
}

}  // namespace

bool OperationScope::Parse(const std::string& text) {
    std::stringstream in(text);
    for (std::string op; std::getline(in, op, ',');) {
        if (op == "all") all = true;
        if (!op.empty()) operations.insert(op);
    }
    return all || !operations.empty();
}

std::vector<std::string> Responder::Transfers(const Answer& answer) const {
    std::vector<std::string> transfers;
    if (faults_.unrelated_before.Covers(answer.operation))
        transfers.push_back(BuildStatusDocument(answer.style));
    std::string first = answer.document;
    const bool split = !answer.payload.empty() && (faults_.split_payload >= 0 || faults_.stray_start_job);
    if (!split) first += answer.payload;
    if (faults_.stale_scope.Covers(answer.operation)) first.insert(0, StaleBytes(faults_.stale_bytes));
    transfers.push_back(first);
    if (split) {
        for (long i = 0; i < faults_.split_payload; ++i)
            transfers.push_back(BuildStatusDocument(answer.style));
        if (faults_.stray_start_job) {
            transfers.push_back(BuildResponse(answer.style, "StartJobResponse", "remotesetup", Outcome::Ok(),
                                              {{"jobID", "00000002"}}));
        }
        transfers.push_back(answer.payload);
    }
    if (faults_.pad4096.Covers(answer.operation)) {
        for (auto& transfer : transfers) {
            // A payload sent alone has no document to widen.
            if (transfer.find("</cmd>") != std::string::npos) {
                const std::size_t end = transfer.rfind("</cmd>") + 6;
                const std::string trailing = transfer.substr(end);
                transfer.resize(end);
                PadToBlock(transfer, trailing.size());
                transfer += trailing;
            }
        }
    }
    return transfers;
}

std::optional<Delivery> Responder::Respond(const ReceivedRequest& received) {
    std::lock_guard lock(mutex_);
    const long number = ++requests_;
    if (faults_.silent_after >= 0 && number > faults_.silent_after) {
        log_.Line(received.request.operation + " job=" + received.request.job_id.value_or("-") +
                  " result=silent");
        return std::nullopt;
    }
    const std::optional<Answer> answer = printer_.Handle(received);
    if (!answer) return std::nullopt;
    Delivery delivery;
    delivery.transfers = Transfers(*answer);
    if (faults_.delay_scope.Covers(answer->operation)) delivery.delay_ms = faults_.delay_ms;
    if (number == faults_.disconnect_at) {
        log_.Event("link broken in the middle of the " + answer->operation + " answer");
        delivery.break_link = true;
    }
    return delivery;
}

std::string Responder::NextStatus() {
    std::lock_guard lock(mutex_);
    ++status_replies_;
    return faults_.status_count == 0 || status_replies_ <= faults_.status_count ? faults_.status : "STA:10;";
}

}  // namespace orvane::sim
