#include "single_instance.h"

#include "instance_channel.h"
#include "instance_object.h"
#include "resource_ids.h"
#include "show_message.h"

namespace orvane {

InstanceOutcome ClaimSingleInstance(NamedObject* object) {
    InstanceObjectStatus status = InstanceObjectStatus::Failed;
    *object = CreateInstanceObject(kInstanceObjectName, &status);
    switch (status) {
        case InstanceObjectStatus::Created:
            return InstanceOutcome::Run;
        case InstanceObjectStatus::HeldByThisUser:
            return AskRunningInstanceToShow(InstanceChannelPath()) ? InstanceOutcome::LeaveQuietly
                                                                   : InstanceOutcome::RunAsSecond;
        case InstanceObjectStatus::HeldByOtherUser:
            ShowMessage(nullptr, ids::kMsgRunningElsewhere, ids::kIdsAppTitle, MessageStyle::Error);
            return InstanceOutcome::LeaveRefused;
        case InstanceObjectStatus::Failed:
            break;
    }
    return InstanceOutcome::LeaveSilently;
}

}  // namespace orvane
