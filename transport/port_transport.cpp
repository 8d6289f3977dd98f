#include "transport/port_transport.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "transport/internal/last_error.h"
#include "transport/internal/port_channel.h"
#include "transport/port_kind.h"
#include "transport/transport_codes.h"

namespace orvane {
namespace {

bool Result(bool ok, uint32_t value, uint32_t* code) {
    *code = value;
    return ok;
}

}  // namespace

uint32_t ReadChunkSizeFor(std::string_view port_name) {
    return IsNetworkPortName(port_name) ? kNetworkReadChunkSize : kReadChunkSize;
}

PortTransport::PortTransport(TransportHooks hooks) : hooks_(std::move(hooks)) {}

PortTransport::~PortTransport() = default;

bool PortTransport::Open(const char* port_name, uint32_t flags, uint32_t* code) {
    if (channel_) return Result(true, transport_code::kSuccess, code);
    channel_ = PortChannel::Create(port_name, flags, hooks_);
    if (!channel_) return Result(false, TransportLastError(), code);
    chunk_size_ = owner_chunk_size_.value_or(ReadChunkSizeFor(port_name));
    return Result(true, transport_code::kSuccess, code);
}

bool PortTransport::Close(uint32_t* code) {
    channel_.reset();
    return Result(true, transport_code::kSuccess, code);
}

bool PortTransport::WriteAll(const uint8_t* buffer, uint32_t length, uint32_t* written, uint32_t timeout_ms,
                             uint32_t* code) {
    *written = 0;
    if (!channel_ || buffer == nullptr || length == 0)
        return Result(false, transport_code::kMissingArgument, code);
    while (*written < length) {
        const uint32_t chunk = std::min(length - *written, kWriteChunkSize);
        uint32_t sent = 0;
        if (!channel_->Write(buffer + *written, chunk, &sent, timeout_ms)) {
            return Result(false, TransportLastError(), code);
        }
        *written += std::min(sent, chunk);
    }
    return Result(true, transport_code::kSuccess, code);
}

bool PortTransport::ReadResponse(uint8_t* buffer, uint32_t capacity, uint32_t* length, uint32_t timeout_ms,
                                 uint32_t* code) {
    *length = 0;
    if (!channel_ || buffer == nullptr) return Result(false, transport_code::kMissingArgument, code);
    std::unique_ptr<uint8_t[]> chunk(new (std::nothrow) uint8_t[chunk_size_]);
    if (!chunk) return Result(false, transport_code::kOutOfMemory, code);
    bool after_full_chunk = false;
    for (;;) {
        Pause(hooks_, kReadPauseMs);
        uint32_t got = 0;
        if (!channel_->Read(chunk.get(), chunk_size_, &got, timeout_ms)) {
            // A response that filled its last chunk exactly is complete; the device just gave no end mark.
            if (after_full_chunk && channel_->LastReadTimedOut()) break;
            return Result(false, TransportLastError(), code);
        }
        if (got > capacity - *length) return Result(false, transport_code::kResponseOverflow, code);
        std::memcpy(buffer + *length, chunk.get(), got);
        *length += got;
        if (got < chunk_size_) break;
        after_full_chunk = true;
    }
    return Result(true, transport_code::kSuccess, code);
}

}  // namespace orvane
