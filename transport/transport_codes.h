// Result codes of the port transport. They travel as the thread's last error (last_error.h) and as
// the out codes of PortTransport; other programs and the exchange compare against these values.
#pragma once

#include <cstdint>

namespace orvane::transport_code {

inline constexpr uint32_t kSuccess = 0;                   // the call succeeded
inline constexpr uint32_t kResponseOverflow = 1;          // ReadResponse: the response did not fit
inline constexpr uint32_t kPortInUse = 0x20070001;        // the port is claimed by another channel or program
inline constexpr uint32_t kClaimBitNotSet = 0x20070002;   // release of a port whose table bit was clear
inline constexpr uint32_t kUnknownPortKind = 0x20070003;  // no claim-table kind, or claim name not formed
inline constexpr uint32_t kReadPortFailed = 0x20070004;   // the port monitor's ReadPort failed
inline constexpr uint32_t kOutOfMemory = 0x20070005;      // an allocation failed
inline constexpr uint32_t kOsNotSupported = 0x20070006;   // operating system family 0
inline constexpr uint32_t kPortNotSupported = 0x20070007;    // port name not accepted on this family
inline constexpr uint32_t kMissingArgument = 0x2007000A;     // missing port name or channel
inline constexpr uint32_t kWriteTimeout = 0x2007000B;        // the write did not finish in time
inline constexpr uint32_t kGeneralFailure = 0x2007000C;      // module, entry point or library call failed
inline constexpr uint32_t kUsbIoFailure = 0x2007000E;        // USB I/O failed or a read timed out
inline constexpr uint32_t kUsbDeviceNotFound = 0x2007000F;   // no USB device node, or it cannot be opened
inline constexpr uint32_t kNetworkPrinterBusy = 0x20070013;  // the network printer reports busy

}  // namespace orvane::transport_code
