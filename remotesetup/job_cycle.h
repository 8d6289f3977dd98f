// The request and response cycle of the job protocol over an open port: write one request, then
// read responses until the expected one arrives, and for ReceiveData the payload behind it.
#pragma once

#include "protocol/job_protocol.h"
#include "remotesetup/result_codes.h"
#include "transport/port_transport.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Time-out of each written chunk and of each read.
inline constexpr std::uint32_t kJobIoTimeoutMs = 5000;
// How long a step waits for its expected response (and for the ReceiveData payload).
inline constexpr std::chrono::milliseconds kResponseLimit{60'000};

// The clock the response limit is measured on; empty: std::chrono::steady_clock. Tests stand in a
// clock of their own, so that no limit depends on how fast the machine runs.
using ResponseClock = std::function<std::chrono::steady_clock::time_point()>;

// The result code of a transport failure: a claimed port kPortClaimed, an allocation failure
// kOutOfMemory, a busy network printer kNetworkBusy, anything else kTransportFailure.
RsResult ResultFromTransport(std::uint32_t code);

// The result code of a ProtocolCode: 0x1000 to 0x1700 give kDeviceUseOtherJob to kDataError, every
// other failure kProtocolFailure.
RsResult ResultFromProtocol(ProtocolCode code);

// The read that held the expected response.
struct ReceivedResponse {
    std::string bytes;             // everything that read returned
    std::size_t document_end = 0;  // offset just past the document's `</cmd>`

    // True when the read ended with the document, so a payload has to follow in later reads.
    bool EndsWithDocument() const { return document_end == bytes.size(); }
    // The bytes after the document (a payload sharing the read).
    std::string_view AfterDocument() const { return std::string_view(bytes).substr(document_end); }
};

// One cycle's reader and writer over `transport`, which must stay open while the cycle is used.
class JobCycle {
  public:
    // `clock` tells the time of the response limit; it must outlive the cycle.
    JobCycle(PortTransport& transport, const ResponseClock& clock);

    // Writes `request` in chunks, then awaits the response named `expected` in a buffer of `room`
    // bytes. Responses with another operation name and empty reads are skipped. Fails with the
    // mapped transport code, kProtocolFailure for an unreadable or unclosed document,
    // kResponseTimeout when the limit passes, kOutOfMemory.
    RsResult Exchange(std::string_view request, std::string_view expected, std::size_t room,
                      ReceivedResponse* response);

    // After a response that ended with its document: reads until the payload arrives, skipping empty
    // reads and GetStatusResponse documents, within a fresh limit. The first read that is no
    // document is the payload. Any other document gives kUnexpectedDocument; other failures as
    // Exchange.
    RsResult AwaitPayload(std::size_t room, std::string* payload);

  private:
    // What a look at one response decided: read on (no value), or end the wait with this result.
    using Verdict = std::optional<RsResult>;
    using Judge = std::function<Verdict(std::string_view received)>;

    // Writes the whole request.
    RsResult Send(std::string_view request);
    // Sizes the buffer to `room` bytes, then hands every non-empty response to `judge` until it ends
    // the wait, the limit passes or a read fails.
    RsResult Await(std::size_t room, const Judge& judge);
    // Sizes the buffer to `room` bytes.
    RsResult Prepare(std::size_t room);
    // Zeroes the buffer and reads one response into it; `*length` gets its size.
    RsResult ReadOnce(std::uint32_t* length);
    // The time on the cycle's clock.
    std::chrono::steady_clock::time_point Now() const;
    // True once the limit has passed since `start`.
    bool Expired(std::chrono::steady_clock::time_point start) const;
    // Reads until a response is not empty; `*received` views the buffer. Gives the response
    // time-out once the limit has passed since `start`, or the read's own failure.
    RsResult NextResponse(std::chrono::steady_clock::time_point start, std::string_view* received);

    PortTransport& transport_;
    const ResponseClock& clock_;
    std::vector<std::uint8_t> buffer_;
    std::uint32_t used_ = 0;
};

}  // namespace orvane
