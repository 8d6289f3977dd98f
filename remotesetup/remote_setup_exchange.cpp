// The device operations of CRSUFuncRemoteSetup: one job of the job protocol over the port, built
// from steps that each return a result code; the first failing step decides the result.
#include "remotesetup/remote_setup.h"

#include "protocol/job_protocol.h"
#include "remotesetup/device_capability.h"
#include "transport/transport_codes.h"

#include <new>
#include <utility>

namespace orvane {
namespace {

// The bidi text of every StartJob of the exchange.
constexpr std::string_view kStartJobBidi = "1";

bool Failed(ProtocolCode code) {
    return code != ProtocolCode::Success;
}

// The check of both data responses of the exchange.
ProtocolCode ParseRemoteSetupData(std::string_view response) {
    return ParseDataResponse(ServiceKind::RemoteSetup, response);
}

}  // namespace

CRSUFuncRemoteSetup::CRSUFuncRemoteSetup(TransportHooks hooks, ResponseClock clock)
    : clock_(std::move(clock)), transport_(std::move(hooks)) {}

RsResult CRSUFuncRemoteSetup::ReadFromDevice() {
    return Guarded([this] {
        RsResult result = OpenSession();
        if (result != rs::kSuccess) return ClosePort(result);
        if (result = QueryCapability(); result != rs::kSuccess) return AbandonJob(result);
        if (result = ReadPayload(DirectoryCopy::Working); result != rs::kSuccess) return AbandonJob(result);
        if (result = EndSessionJob(); result != rs::kSuccess) return ClosePort(result);
        result = AllocateCopy(DirectoryCopy::Baseline);
        if (result == rs::kSuccess) result = CopyDirectory(DirectoryCopy::Baseline, DirectoryCopy::Working);
        return ClosePort(result);
    });
}

RsResult CRSUFuncRemoteSetup::CheckDeviceUnchanged() {
    return Guarded([this] {
        RsResult result = AllocateCopy(DirectoryCopy::DeviceCheck);
        if (result != rs::kSuccess) return result;
        if (result = OpenSession(); result != rs::kSuccess) return ClosePort(result);
        if (result = ReadPayload(DirectoryCopy::DeviceCheck); result != rs::kSuccess)
            return AbandonJob(result);
        result = CompareCopies(DirectoryCopy::Baseline, DirectoryCopy::DeviceCheck);
        if (result == rs::kSuccess) {
            // The write that follows continues this job on this port.
            FreeCopy(DirectoryCopy::DeviceCheck);
            return rs::kSuccess;
        }
        if (result != rs::kCopiesDiffer) return AbandonJob(result);
        result = EndSessionJob();
        return ClosePort(result == rs::kSuccess ? rs::kDeviceDirectoryChanged : result);
    });
}

RsResult CRSUFuncRemoteSetup::WriteToDevice() {
    return Guarded([this] {
        RsResult result = OpenSession();
        if (result != rs::kSuccess) return ClosePort(result);
        if (result = SendPayload(); result != rs::kSuccess) return AbandonJob(result);
        return ClosePort(EndSessionJob());
    });
}

RsResult CRSUFuncRemoteSetup::FinishDeviceJob() {
    return Guarded([this] {
        RsResult result = OpenPort();
        if (result == rs::kSuccess) result = EndSessionJob();
        return ClosePort(result);
    });
}

template <typename Operation>
RsResult CRSUFuncRemoteSetup::Guarded(Operation operation) {
    try {
        return operation();
    } catch (const std::bad_alloc&) {
        job_id_.reset();
        return ClosePort(rs::kOutOfMemory);
    }
}

RsResult CRSUFuncRemoteSetup::OpenPort() {
    std::uint32_t code = transport_code::kSuccess;
    const bool opened = transport_.Open(port_name_.c_str(), static_cast<std::uint32_t>(port_kind_), &code);
    return opened ? rs::kSuccess : ResultFromTransport(code);
}

RsResult CRSUFuncRemoteSetup::OpenSession() {
    const RsResult result = OpenPort();
    return result == rs::kSuccess ? StartSessionJob() : result;
}

RsResult CRSUFuncRemoteSetup::ClosePort(RsResult result) {
    std::uint32_t code = transport_code::kSuccess;
    return transport_.Close(&code) ? result : ResultFromTransport(code);
}

RsResult CRSUFuncRemoteSetup::AbandonJob(RsResult failure) {
    EndSessionJob();  // the failure that led here is what the caller learns
    return ClosePort(failure);
}

RsResult CRSUFuncRemoteSetup::StartSessionJob() {
    if (job_id_) return rs::kSuccess;
    const auto build = [](std::string* request) {
        return BuildStartJob(ServiceKind::RemoteSetup, kStartJobBidi, request);
    };
    std::string job_id;
    const auto parse = [&job_id](std::string_view response) {
        return ParseJobResponse(ServiceKind::RemoteSetup, JobKind::StartJob, response, &job_id);
    };
    const RsResult result = Transact(build, kStartJobResponse, kResponseDocumentRoom, parse);
    if (result == rs::kSuccess) job_id_ = std::move(job_id);
    return result;
}

RsResult CRSUFuncRemoteSetup::QueryCapability() {
    const auto build = [](std::string* request) {
        return BuildGetCapability(ServiceKind::RemoteSetup, request);
    };
    CapabilityTexts texts;
    const auto parse = [&texts](std::string_view response) {
        return ParseCapabilityResponse(response, &texts);
    };
    const RsResult result = Transact(build, kGetCapabilityResponse, kResponseDocumentRoom, parse);
    if (result != rs::kSuccess) return result;
    const RsResult applied = ApplyCapability(texts);
    return applied == rs::kSuccess ? AllocateCopy(DirectoryCopy::Working) : applied;
}

RsResult CRSUFuncRemoteSetup::ReadPayload(DirectoryCopy copy) {
    const auto build = [this](std::string* request) {
        return BuildReceiveData(ServiceKind::RemoteSetup, JobId(), capability_.support_data_format, request);
    };
    // Room for the response document and the largest payload this printer can send.
    const std::size_t room = kResponseDocumentRoom + PayloadSizesFor(capability_).Total();
    ReceivedResponse response;
    const RsResult result = Transact(build, kReceiveDataResponse, room, ParseRemoteSetupData, &response);
    if (result != rs::kSuccess) return result;
    if (!response.EndsWithDocument()) return DecodePayload(response.AfterDocument(), copy);
    std::string payload;
    JobCycle cycle(transport_, clock_);
    const RsResult awaited = cycle.AwaitPayload(room, &payload);
    return awaited == rs::kSuccess ? DecodePayload(payload, copy) : awaited;
}

RsResult CRSUFuncRemoteSetup::DecodePayload(std::string_view payload, DirectoryCopy copy) {
    RsResult result = DecodeSenderRecord(payload, copy);
    if (result == rs::kSuccess) result = DecodeRejectRecords(payload, copy);
    if (result == rs::kSuccess) result = DecodeDialRecords(payload, copy);
    return result;
}

RsResult CRSUFuncRemoteSetup::SendPayload() {
    std::string payload;
    if (const RsResult encoded = EncodePayload(&payload); encoded != rs::kSuccess) return encoded;
    const auto build = [this, &payload](std::string* request) {
        const ProtocolCode built = BuildSendData(ServiceKind::RemoteSetup, JobId(),
                                                 capability_.support_data_format, payload.size(), request);
        // The payload travels in the same write, right after the document.
        if (!Failed(built)) *request += payload;
        return built;
    };
    return Transact(build, kSendDataResponse, kResponseDocumentRoom, ParseRemoteSetupData);
}

RsResult CRSUFuncRemoteSetup::EndSessionJob() {
    const auto build = [this](std::string* request) {
        return BuildEndJob(ServiceKind::RemoteSetup, JobId(), request);
    };
    const auto parse = [](std::string_view response) {
        return ParseJobResponse(ServiceKind::RemoteSetup, JobKind::EndJob, response, nullptr);
    };
    const RsResult result = Transact(build, kEndJobResponse, kResponseDocumentRoom, parse);
    // The printer forgets the job after EndJob whatever its answer, so the ID goes too.
    job_id_.reset();
    return result;
}

RsResult CRSUFuncRemoteSetup::Transact(const RequestBuilder& build, std::string_view expected,
                                       std::size_t room, const ResponseParser& parse,
                                       ReceivedResponse* response) {
    if (!HasPrinterName()) return rs::kNoPrinter;
    std::string request;
    if (const ProtocolCode built = build(&request); Failed(built)) return ResultFromProtocol(built);
    ReceivedResponse received;
    JobCycle cycle(transport_, clock_);
    if (const RsResult result = cycle.Exchange(request, expected, room, &received); result != rs::kSuccess) {
        return result;
    }
    const ProtocolCode parsed = parse(received.bytes);
    if (response != nullptr) *response = std::move(received);
    return ResultFromProtocol(parsed);
}

}  // namespace orvane
