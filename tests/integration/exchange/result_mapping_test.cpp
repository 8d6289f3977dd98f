// The result codes the exchange gives for transport codes and ProtocolCodes.
#include "remotesetup/job_cycle.h"
#include "transport/transport_codes.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

namespace rs = orvane::rs;
namespace tc = orvane::transport_code;
using orvane::ProtocolCode;

struct TransportRow {
    std::uint32_t code;
    orvane::RsResult expected;
};

TEST(ResultFromTransport, MapsClaimMemoryAndBusyAndEverythingElseToTransportFailure) {
    const TransportRow rows[] = {
        {tc::kSuccess, rs::kSuccess},
        {tc::kPortInUse, rs::kPortClaimed},
        {tc::kOutOfMemory, rs::kOutOfMemory},
        {tc::kNetworkPrinterBusy, rs::kNetworkBusy},
        {tc::kResponseOverflow, rs::kTransportFailure},
        {tc::kClaimBitNotSet, rs::kTransportFailure},
        {tc::kUnknownPortKind, rs::kTransportFailure},
        {tc::kReadPortFailed, rs::kTransportFailure},
        {tc::kOsNotSupported, rs::kTransportFailure},
        {tc::kPortNotSupported, rs::kTransportFailure},
        {tc::kMissingArgument, rs::kTransportFailure},
        {tc::kWriteTimeout, rs::kTransportFailure},
        {tc::kGeneralFailure, rs::kTransportFailure},
        {tc::kUsbIoFailure, rs::kTransportFailure},
        {tc::kUsbDeviceNotFound, rs::kTransportFailure},
        {0x20070008, rs::kTransportFailure},
        {0xFFFFFFFF, rs::kTransportFailure},
    };
    for (const TransportRow& row : rows) {
        EXPECT_EQ(orvane::ResultFromTransport(row.code), row.expected) << std::hex << row.code;
    }
}

struct ProtocolRow {
    std::uint16_t code;
    orvane::RsResult expected;
};

TEST(ResultFromProtocol, MapsTheEightPrinterDetailsInOrderAndEverythingElseToProtocolFailure) {
    const ProtocolRow rows[] = {
        {0x0000, rs::kSuccess},
        {0x1000, rs::kDeviceUseOtherJob},
        {0x1100, rs::kParameterError},
        {0x1200, rs::kNotSupportedService},
        {0x1300, rs::kNotSupportedOperation},
        {0x1400, rs::kNotStart},
        {0x1500, rs::kIllegalJobId},
        {0x1600, rs::kIllegalOperation},
        {0x1700, rs::kDataError},
        {0x0100, rs::kProtocolFailure},
        {0x0200, rs::kProtocolFailure},
        {0x0300, rs::kProtocolFailure},
        {0x0500, rs::kProtocolFailure},
        {0x1800, rs::kProtocolFailure},
        {0x2200, rs::kProtocolFailure},
        {0x2500, rs::kProtocolFailure},
        {0x3000, rs::kProtocolFailure},
        {0x1001, rs::kProtocolFailure},
        {0x0FFF, rs::kProtocolFailure},
        {0xFFF2, rs::kProtocolFailure},
        {0xFFFE, rs::kProtocolFailure},
    };
    for (const ProtocolRow& row : rows) {
        EXPECT_EQ(orvane::ResultFromProtocol(static_cast<ProtocolCode>(row.code)), row.expected)
            << std::hex << row.code;
    }
}

}  // namespace
