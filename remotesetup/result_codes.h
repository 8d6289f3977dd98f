// Result codes of the remote-setup layer: signed 32-bit, 0 for success, small positive numbers for
// failures, 0x10000001 to 0x10000004 for outcomes the caller acts on.
#pragma once

#include <cstdint>

namespace orvane {

// A result code of the remote-setup layer (one of the constants below).
using RsResult = std::int32_t;

namespace rs {

inline constexpr RsResult kSuccess = 0;                 // success
inline constexpr RsResult kOutOfMemory = 1;             // out of memory (also from the transport)
inline constexpr RsResult kTransportFailure = 2;        // any other failure of the port
inline constexpr RsResult kProtocolFailure = 3;         // request not built, document unreadable or unmapped
inline constexpr RsResult kMissingBuffer = 4;           // a copy, buffer or part of a copy is missing
inline constexpr RsResult kNoPrinter = 6;               // no printer name set
inline constexpr RsResult kUnexpectedDocument = 8;      // other document while awaiting the payload
inline constexpr RsResult kSenderRecordIncomplete = 9;  // sender record missing or incomplete
inline constexpr RsResult kRejectRecordsIncomplete = 10;  // reject records missing or incomplete
inline constexpr RsResult kDialRecordsMalformed = 11;     // dial records malformed
inline constexpr RsResult kDialRecordUnterminated = 12;   // dial record unterminated in a directory file
inline constexpr RsResult kFileCreateFailed = 13;         // directory file cannot be created
inline constexpr RsResult kFileOpenFailed = 14;           // directory file cannot be opened
inline constexpr RsResult kFileMalformed = 15;            // directory file empty, unreadable or malformed
inline constexpr RsResult kInvalidCopy = 18;              // invalid copy selector, or a copy onto itself
inline constexpr RsResult kResponseTimeout = 19;          // no expected response within 60 seconds
inline constexpr RsResult kDiskFull = 20;                 // not enough free disk space, or a short write
inline constexpr RsResult kDeviceUseOtherJob = 27;        // printer busy with another job (0x1000)
inline constexpr RsResult kParameterError = 28;           // "ParameterError" (0x1100)
inline constexpr RsResult kNotSupportedService = 29;      // "NotSupportedService" (0x1200)
inline constexpr RsResult kNotSupportedOperation = 30;    // "NotSupportedOperation" (0x1300)
inline constexpr RsResult kNotStart = 31;                 // "NotStart" (0x1400)
inline constexpr RsResult kIllegalJobId = 32;             // "IllegalJobID" (0x1500)
inline constexpr RsResult kIllegalOperation = 33;         // "IllegalOperation" (0x1600)
inline constexpr RsResult kDataError = 34;                // "DataError" (0x1700)
inline constexpr RsResult kPortClaimed = 35;              // port claimed by another user
inline constexpr RsResult kNetworkBusy = 36;              // network printer still busy after retries
inline constexpr RsResult kEmptyInversionBuffer = 37;     // byte inversion called with an empty buffer
inline constexpr RsResult kUnterminatedText = 39;         // text unmeasurable, unterminated, or too wide
inline constexpr RsResult kFreeSpaceQueryFailed = 40;     // the free-disk-space query failed
inline constexpr RsResult kCapabilityUnsupported = 41;    // capability beyond what the copies can hold
inline constexpr RsResult kOtherProduct = 0x10000001;     // directory file made for another product
inline constexpr RsResult kCopiesDiffer = 0x10000002;     // two copies differ (internal)
inline constexpr RsResult kDeviceDirectoryChanged = 0x10000003;  // printer's directory changed since read
inline constexpr RsResult kModified = 0x10000004;                // Working differs from Baseline

}  // namespace rs
}  // namespace orvane
