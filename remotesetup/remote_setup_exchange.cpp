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

}  // namespace

CRSUFuncRemoteSetup::CRSUFuncRemoteSetup(TransportHooks hooks) : transport_(std::move(hooks)) {}

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
    if (!HasPrinterName()) return rs::kNoPrinter;
    std::string request;
    if (const ProtocolCode code = BuildStartJob(ServiceKind::RemoteSetup, kStartJobBidi, &request);
        Failed(code)) {
        return ResultFromProtocol(code);
    }
    ReceivedResponse response;
    if (const RsResult result = Transact(request, kStartJobResponse, kResponseDocumentRoom, &response);
        result != rs::kSuccess) {
        return result;
    }
    std::string job_id;
    const ProtocolCode code =
        ParseJobResponse(ServiceKind::RemoteSetup, JobKind::StartJob, response.bytes, &job_id);
    if (Failed(code)) return ResultFromProtocol(code);
    job_id_ = std::move(job_id);
    return rs::kSuccess;
}

RsResult CRSUFuncRemoteSetup::QueryCapability() {
    if (!HasPrinterName()) return rs::kNoPrinter;
    std::string request;
    if (const ProtocolCode code = BuildGetCapability(ServiceKind::RemoteSetup, &request); Failed(code)) {
        return ResultFromProtocol(code);
    }
    ReceivedResponse response;
    if (const RsResult result = Transact(request, kGetCapabilityResponse, kResponseDocumentRoom, &response);
        result != rs::kSuccess) {
        return result;
    }
    CapabilityTexts texts;
    if (const ProtocolCode code = ParseCapabilityResponse(response.bytes, &texts); Failed(code)) {
        return ResultFromProtocol(code);
    }
    const RsResult applied = ApplyCapability(texts);
    return applied == rs::kSuccess ? AllocateCopy(DirectoryCopy::Working) : applied;
}

RsResult CRSUFuncRemoteSetup::ReadPayload(DirectoryCopy copy) {
    if (!HasPrinterName()) return rs::kNoPrinter;
    std::string request;
    const ProtocolCode built =
        BuildReceiveData(ServiceKind::RemoteSetup, JobId(), capability_.support_data_format, &request);
    if (Failed(built)) return ResultFromProtocol(built);
    // Room for the response document and the largest payload this printer can send.
    const std::size_t room = kResponseDocumentRoom + PayloadSizesFor(capability_).Total();
    ReceivedResponse response;
    if (const RsResult result = Transact(request, kReceiveDataResponse, room, &response);
        result != rs::kSuccess) {
        return result;
    }
    if (const ProtocolCode code = ParseDataResponse(ServiceKind::RemoteSetup, response.bytes); Failed(code)) {
        return ResultFromProtocol(code);
    }
    if (!response.EndsWithDocument()) return DecodePayload(response.AfterDocument(), copy);
    std::string payload;
    JobCycle cycle(transport_, response_limit_);
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
    std::string request;
    const ProtocolCode built = BuildSendData(ServiceKind::RemoteSetup, JobId(),
                                             capability_.support_data_format, payload.size(), &request);
    if (Failed(built)) return ResultFromProtocol(built);
    if (!HasPrinterName()) return rs::kNoPrinter;
    // The payload travels in the same write, right after the document.
    request += payload;
    ReceivedResponse response;
    if (const RsResult result = Transact(request, kSendDataResponse, kResponseDocumentRoom, &response);
        result != rs::kSuccess) {
        return result;
    }
    return ResultFromProtocol(ParseDataResponse(ServiceKind::RemoteSetup, response.bytes));
}

RsResult CRSUFuncRemoteSetup::EndSessionJob() {
    const RsResult result = HasPrinterName() ? RequestEndJob() : rs::kNoPrinter;
    // The printer forgets the job after EndJob whatever its answer, so the ID goes too.
    job_id_.reset();
    return result;
}

RsResult CRSUFuncRemoteSetup::RequestEndJob() {
    std::string request;
    if (const ProtocolCode code = BuildEndJob(ServiceKind::RemoteSetup, JobId(), &request); Failed(code)) {
        return ResultFromProtocol(code);
    }
    ReceivedResponse response;
    if (const RsResult result = Transact(request, kEndJobResponse, kResponseDocumentRoom, &response);
        result != rs::kSuccess) {
        return result;
    }
    return ResultFromProtocol(
        ParseJobResponse(ServiceKind::RemoteSetup, JobKind::EndJob, response.bytes, nullptr));
}

RsResult CRSUFuncRemoteSetup::Transact(std::string_view request, std::string_view expected, std::size_t room,
                                       ReceivedResponse* response) {
    JobCycle cycle(transport_, response_limit_);
    return cycle.Exchange(request, expected, room, response);
}

}  // namespace orvane
