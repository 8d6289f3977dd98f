// The device operations of CRSUFuncRemoteSetup: one job of the job protocol over the port.
#include "remote_setup.h"

namespace orvane {

RsResult CRSUFuncRemoteSetup::ReadFromDevice() {
    return rs::kTransportFailure;
}

RsResult CRSUFuncRemoteSetup::CheckDeviceUnchanged() {
    return rs::kTransportFailure;
}

RsResult CRSUFuncRemoteSetup::WriteToDevice() {
    return rs::kTransportFailure;
}

RsResult CRSUFuncRemoteSetup::FinishDeviceJob() {
    return rs::kTransportFailure;
}

}  // namespace orvane
