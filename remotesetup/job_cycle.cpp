#include "remotesetup/job_cycle.h"

#include "transport/transport_codes.h"

#include <algorithm>
#include <limits>
#include <new>

namespace orvane {
namespace {

using Clock = std::chrono::steady_clock;

// The transport moves at most 32-bit lengths.
constexpr std::size_t kMaxTransfer = std::numeric_limits<std::uint32_t>::max();

}  // namespace

JobCycle::JobCycle(PortTransport& transport, std::chrono::milliseconds limit)
    : transport_(transport), limit_(limit) {}

RsResult JobCycle::Exchange(std::string_view request, std::string_view expected, std::size_t room,
                            ReceivedResponse* response) {
    if (const RsResult sent = Send(request); sent != rs::kSuccess) return sent;
    if (const RsResult prepared = Prepare(room); prepared != rs::kSuccess) return prepared;
    const Clock::time_point start = Clock::now();
    std::string operation;
    for (;;) {
        std::string_view received;
        if (const RsResult next = NextResponse(start, &received); next != rs::kSuccess) return next;
        std::size_t document_end = 0;
        const ProtocolCode code = ReadOperation(received, &operation, &document_end);
        if (code != ProtocolCode::Success) return ResultFromProtocol(code);
        if (operation != expected) continue;
        // A document cut short (no closing root) is no answer to act on, whatever it holds.
        if (document_end == 0) return rs::kProtocolFailure;
        response->bytes.assign(received);
        response->document_end = document_end;
        return rs::kSuccess;
    }
}

RsResult JobCycle::AwaitPayload(std::size_t room, std::string* payload) {
    if (const RsResult prepared = Prepare(room); prepared != rs::kSuccess) return prepared;
    const Clock::time_point start = Clock::now();
    std::string operation;
    for (;;) {
        std::string_view received;
        if (const RsResult next = NextResponse(start, &received); next != rs::kSuccess) return next;
        if (ReadOperation(received, &operation) != ProtocolCode::Success) {
            payload->assign(received);
            return rs::kSuccess;
        }
        if (operation != kGetStatusResponse) return rs::kUnexpectedDocument;
    }
}

RsResult JobCycle::NextResponse(Clock::time_point start, std::string_view* received) {
    while (!Expired(start)) {
        std::uint32_t length = 0;
        if (const RsResult read = ReadOnce(&length); read != rs::kSuccess) return read;
        if (length == 0) continue;  // an empty read is no response yet
        *received = std::string_view(reinterpret_cast<const char*>(buffer_.data()), length);
        return rs::kSuccess;
    }
    return rs::kResponseTimeout;
}

RsResult JobCycle::Send(std::string_view request) {
    if (request.size() > kMaxTransfer) return rs::kTransportFailure;
    std::uint32_t written = 0;
    std::uint32_t code = transport_code::kSuccess;
    const bool ok =
        transport_.WriteAll(reinterpret_cast<const std::uint8_t*>(request.data()),
                            static_cast<std::uint32_t>(request.size()), &written, kJobIoTimeoutMs, &code);
    return ok ? rs::kSuccess : ResultFromTransport(code);
}

RsResult JobCycle::Prepare(std::size_t room) {
    if (room > kMaxTransfer) return rs::kOutOfMemory;
    try {
        buffer_.assign(room, 0);
    } catch (const std::bad_alloc&) {
        return rs::kOutOfMemory;
    }
    used_ = 0;
    return rs::kSuccess;
}

RsResult JobCycle::ReadOnce(std::uint32_t* length) {
    std::fill_n(buffer_.begin(), used_, std::uint8_t{0});
    std::uint32_t code = transport_code::kSuccess;
    const bool ok = transport_.ReadResponse(buffer_.data(), static_cast<std::uint32_t>(buffer_.size()),
                                            length, kJobIoTimeoutMs, &code);
    used_ = *length;
    return ok ? rs::kSuccess : ResultFromTransport(code);
}

bool JobCycle::Expired(Clock::time_point start) const {
    return Clock::now() - start > limit_;
}

}  // namespace orvane
