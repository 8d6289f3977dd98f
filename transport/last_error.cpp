#include "transport/internal/last_error.h"

namespace orvane {
namespace {
thread_local uint32_t last_error = 0;
}  // namespace

uint32_t TransportLastError() {
    return last_error;
}

void SetTransportLastError(uint32_t code) {
    last_error = code;
}

}  // namespace orvane
