#include "app/result_message.h"

#include "remotesetup/result_codes.h"
#include "resources/resource_ids.h"
#include "ui/show_message.h"

namespace orvane {

int ResultMessageId(std::int32_t code) {
    switch (code) {
        case rs::kSuccess:
            return 0;
        case rs::kOutOfMemory:
            return ids::kMsgOutOfMemory;
        case rs::kTransportFailure:
        case rs::kProtocolFailure:
        case rs::kUnexpectedDocument:
        case rs::kSenderRecordIncomplete:
        case rs::kRejectRecordsIncomplete:
        case rs::kDialRecordsMalformed:
        case rs::kDialRecordUnterminated:
        case kUnassignedLinkCode16:
        case rs::kResponseTimeout:
        case kPreparePrinterFailed:
        case kUnassignedLinkCode22:
            return ids::kMsgCommunicationFailed;
        case rs::kFileOpenFailed:
        case rs::kFileMalformed:
            return ids::kMsgLoadFailed;
        case rs::kDiskFull:
            return ids::kMsgSaveFailed;
        case kUnassignedBusyCode24:
        case kUnassignedBusyCode26:
        case rs::kDeviceUseOtherJob:
        case rs::kNetworkBusy:
            return ids::kMsgPrinterBusy;
        case rs::kPortClaimed:
            return ids::kMsgPortClaimed;
        default:
            return ids::kMsgGeneralFailure;
    }
}

void ShowResultMessage(QWidget* owner, std::int32_t code) {
    const int message = ResultMessageId(code);
    if (message != 0) ShowMessage(owner, message, ids::kIdsAppTitle, MessageStyle::Error);
}

}  // namespace orvane
