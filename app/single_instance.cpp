#include "app/single_instance.h"

#include "app/instance_channel.h"
#include "platform/instance_object.h"
#include "resources/resource_ids.h"
#include "ui/show_message.h"

namespace orvane {

InstanceOutcome ClaimSingleInstance(NamedObject* object) {
    InstanceObjectStatus status = InstanceObjectStatus::Failed;
    *object = CreateInstanceObject(kInstanceObjectName, &status);
    switch (status) {
        case InstanceObjectStatus::Created:
            return InstanceOutcome::Run;
        case InstanceObjectStatus::HeldByThisUser:
            // A second instance that runs keeps the object for its lifetime, as the first does.
            if (!AskRunningInstanceToShow(InstanceChannelPath())) return InstanceOutcome::RunAsSecond;
            object->Release();
            return InstanceOutcome::LeaveQuietly;
        case InstanceObjectStatus::HeldByOtherUser:
            object->Release();
            ShowMessage(nullptr, ids::kMsgRunningElsewhere, ids::kIdsAppTitle, MessageStyle::Error);
            return InstanceOutcome::LeaveRefused;
        case InstanceObjectStatus::Failed:
            break;
    }
    return InstanceOutcome::LeaveSilently;
}

}  // namespace orvane
