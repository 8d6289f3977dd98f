#include "app/single_instance.h"

#include "app/instance_channel.h"
#include "app/show_message.h"
#include "platform/instance_object.h"
#include "resources/resource_ids.h"

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
