// Result codes of the exchange for failures of the transport and of the job protocol.
#include "remotesetup/job_cycle.h"

#include "transport/transport_codes.h"

namespace orvane {

RsResult ResultFromTransport(std::uint32_t code) {
    switch (code) {
        case transport_code::kSuccess:
            return rs::kSuccess;
        case transport_code::kPortInUse:
            return rs::kPortClaimed;
        case transport_code::kOutOfMemory:
            return rs::kOutOfMemory;
        case transport_code::kNetworkPrinterBusy:
            return rs::kNetworkBusy;
        default:
            return rs::kTransportFailure;
    }
}

RsResult ResultFromProtocol(ProtocolCode code) {
    constexpr auto kFirst = static_cast<std::uint16_t>(ProtocolCode::DeviceUseOtherJob);
    constexpr auto kLast = static_cast<std::uint16_t>(ProtocolCode::DataError);
    constexpr std::uint16_t kStep = 0x100;
    const auto value = static_cast<std::uint16_t>(code);
    if (code == ProtocolCode::Success) return rs::kSuccess;
    if (value >= kFirst && value <= kLast && value % kStep == 0) {
        return rs::kDeviceUseOtherJob + (value - kFirst) / kStep;
    }
    return rs::kProtocolFailure;
}

}  // namespace orvane
