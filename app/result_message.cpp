#include "app/result_message.h"

#include "app/show_message.h"
#include "remotesetup/result_codes.h"
#include "resources/resource_ids.h"

namespace orvane {

int ResultMessageId(std::int32_t code) {
    switch (code) {
        case rs::kSuccess:
            return 0;
        case rs::kOutOfMemory:
            return ids::kMsgOutOfMemory;
        case 2:
        case 3:
        case 8:
        case 9:
        case 10:
        case 11:
        case 12:
        case 16:
        case 19:
        case kPreparePrinterFailed:
        case 22:
            return ids::kMsgCommunicationFailed;
        case rs::kFileOpenFailed:
        case rs::kFileMalformed:
            return ids::kMsgLoadFailed;
        case rs::kDiskFull:
            return ids::kMsgSaveFailed;
        case 24:
        case 26:
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
