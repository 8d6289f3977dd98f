// The thread's last transport error: every failing transport call leaves its code here, as the
// operating system's last-error value does for system calls.
#pragma once

#include <cstdint>

namespace orvane {

// Code left by the last failing transport call on this thread (transport_codes.h); 0 when none.
uint32_t TransportLastError();

// Sets this thread's last transport error.
void SetTransportLastError(uint32_t code);

}  // namespace orvane
