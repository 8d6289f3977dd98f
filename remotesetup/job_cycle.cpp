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

JobCycle::JobCycle(PortTransport& transport, const ResponseClock& clock)
    : transport_(transport), clock_(clock) {}

RsResult JobCycle::Exchange(std::string_view request, std::string_view expected, std::size_t room,
                            ReceivedResponse* response) {
    if (const RsResult sent = Send(request); sent != rs::kSuccess) return sent;
    std::string operation;
    return Await(room, [&](std::string_view received) -> Verdict {
        std::size_t document_end = 0;
        const ProtocolCode code = ReadOperation(received, &operation, &document_end);
        if (code != ProtocolCode::Success) return ResultFromProtocol(code);
        if (operation != expected) return std::nullopt;
        // A document cut short (no closing root) is no answer to act on, whatever it holds.
        if (document_end == 0) return rs::kProtocolFailure;
        response->bytes.assign(received);
        response->document_end = document_end;
        return rs::kSuccess;
    });
}

RsResult JobCycle::AwaitPayload(std::size_t room, std::string* payload) {
    std::string operation;
    return Await(room, [&](std::string_view received) -> Verdict {
        if (ReadOperation(received, &operation) != ProtocolCode::Success) {
            payload->assign(received);
            return rs::kSuccess;
        }
        if (operation != kGetStatusResponse) return rs::kUnexpectedDocument;
        return std::nullopt;
    });
}

RsResult JobCycle::Await(std::size_t room, const Judge& judge) {
    if (const RsResult prepared = Prepare(room); prepared != rs::kSuccess) return prepared;
    const Clock::time_point start = Now();
    for (;;) {
        std::string_view received;
        if (const RsResult next = NextResponse(start, &received); next != rs::kSuccess) return next;
        if (const Verdict verdict = judge(received)) return *verdict;
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

Clock::time_point JobCycle::Now() const {
    return clock_ ? clock_() : Clock::now();
}

bool JobCycle::Expired(Clock::time_point start) const {
    return Now() - start > kResponseLimit;
}

}  // namespace orvane
