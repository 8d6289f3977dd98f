#include "emulator/printer.h"

#include <cstdio>

#include "emulator/payload_codec.h"
#include "emulator/state_file.h"

namespace orvane::sim {

Printer::Printer(PrinterSettings settings, Directory directory, OperationLog& log)
    : settings_(std::move(settings)),
      widths_(Widths::From(settings_.capability)),
      directory_(std::move(directory)),
      log_(log),
      next_job_id_(settings_.job_id_start) {}

bool Printer::Persist() {
    if (settings_.state_path.empty()) return true;
    const std::string error = SaveStateFile(settings_.state_path, directory_);
    if (!error.empty()) log_.Event("state file not saved: " + error);
    return error.empty();
}

void Printer::ExpireIdleJob() {
    const auto idle = std::chrono::steady_clock::now() - last_activity_;
    if (job_ && settings_.job_timeout_seconds > 0 &&
        idle > std::chrono::seconds(settings_.job_timeout_seconds)) {
        log_.Event("job " + *job_ + " expired");
        job_.reset();
    }
}

Outcome Printer::CheckJob(const Request& request) {
    if (!job_) return Outcome::Ng("NotStart");
    if (request.job_id != job_) return Outcome::Ng("IllegalJobID");
    return Outcome::Ok();
}

Outcome Printer::StartJob(Fields& fields) {
    if (++start_jobs_ <= settings_.busy_jobs) return Outcome::Ng("DeviceBusy");
    if (job_) return Outcome::Ng("DeviceUseOtherJob");
    char id[32];
    std::snprintf(id, sizeof id, "%08lu", next_job_id_++ % 100000000UL);
    job_ = id;
    fields.emplace_back("jobID", *job_);
    return Outcome::Ok();
}

Outcome Printer::GetCapability(Fields& fields) {
    for (std::size_t i = 0; i < kCapabilityFieldCount; ++i) {
        fields.emplace_back(std::string(kCapabilityFields[i]), settings_.capability.values[i]);
    }
    return Outcome::Ok();
}

Outcome Printer::ReceiveData(const Request& request, std::string& payload) {
    if (Outcome checked = CheckJob(request); !checked.IsOk()) return checked;
    if (request.format != settings_.capability.Text("support_data_format"))
        return Outcome::Ng("ParameterError");
    payload = EncodePayload(directory_, widths_);
    return Outcome::Ok();
}

Outcome Printer::SendData(const Request& request, const std::string& payload) {
    if (Outcome checked = CheckJob(request); !checked.IsOk()) return checked;
    if (request.format != settings_.capability.Text("support_data_format"))
        return Outcome::Ng("ParameterError");
    const auto size = AnnouncedDataSize(request);
    if (!size) return Outcome::Ng("ParameterError");
    if (*size > PayloadSize(directory_, widths_)) return Outcome::Ng("DataSizeOver");
    if (const std::string error = DecodePayload(payload, widths_, directory_); !error.empty()) {
        log_.Event("payload refused: " + error);
        return Outcome::Ng("DataError");
    }
    return Persist() ? Outcome::Ok() : Outcome::Ng("DeviceCheckError");
}

Outcome Printer::EndJob(const Request& request) {
    Outcome checked = CheckJob(request);
    if (checked.IsOk()) job_.reset();
    return checked;
}

Outcome Printer::Dispatch(const ReceivedRequest& received, Fields& fields, std::string& payload) {
    const Request& request = received.request;
    if (!request.error.empty()) return Outcome::Ng("ParameterError");
    if (request.service_type != "remotesetup") return Outcome::Ng("NotSupportedService");
    const std::string& op = request.operation;
    if (op == "StartJob") return StartJob(fields);
    if (op == "GetCapability") return GetCapability(fields);
    if (op == "ReceiveData") return ReceiveData(request, payload);
    if (op == "SendData") return SendData(request, received.payload);
    if (op == "EndJob") return EndJob(request);
    return Outcome::Ng("NotSupportedOperation");
}

void Printer::EditAfterRead() {
    if (++reads_ == settings_.edit_after_read) EditOneNameNow();
}

void Printer::EditAfterWrite() {
    if (++writes_ == settings_.edit_after_write) EditOneNameNow();
}

void Printer::EditOneNameNow() {
    const std::string slot = EditOneName(directory_);
    log_.Event("name of " + slot + " edited on the printer");
    Persist();
}

std::optional<Answer> Printer::Handle(const ReceivedRequest& received) {
    const Request& request = received.request;
    if (received.skipped > 0) log_.Event(std::to_string(received.skipped) + " stray bytes skipped");
    if (request.operation.empty()) {
        log_.Event("request without operation ignored: " + request.error);
        return std::nullopt;
    }
    ExpireIdleJob();
    last_activity_ = std::chrono::steady_clock::now();
    Answer answer{"", "", request.operation, {settings_.prefix, request.namespace_uri}};
    if (answer.style.namespace_uri.empty()) answer.style.namespace_uri = settings_.namespace_uri;
    Fields fields;
    const Outcome outcome = Dispatch(received, fields, answer.payload);
    if (!outcome.IsOk()) answer.payload.clear();
    answer.document =
        BuildResponse(answer.style, request.operation + "Response", request.service_type, outcome, fields);

    std::string line = request.operation + " job=" + request.job_id.value_or("-") +
                       " result=" + (outcome.IsOk() ? "OK" : "NG:" + outcome.detail);
    if (request.operation == "StartJob" && outcome.IsOk()) line += " newjob=" + *job_;
    if (request.operation == "SendData") line += " size=" + std::to_string(received.payload.size());
    if (!answer.payload.empty()) line += " size=" + std::to_string(answer.payload.size());
    log_.Line(line);
    if (request.operation == "ReceiveData" && outcome.IsOk()) EditAfterRead();
    if (request.operation == "SendData" && outcome.IsOk()) EditAfterWrite();
    return answer;
}

}  // namespace orvane::sim
