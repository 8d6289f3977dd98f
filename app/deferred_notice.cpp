#include "app/deferred_notice.h"

#include <QTimer>

#include "app/show_message.h"
#include "resources/resource_ids.h"
#include "transport/named_object.h"

namespace orvane {
namespace {

constexpr const char* kNoticeObject = "orvRejectShutdownMsgMutex";

void ShowNotice(int message_id) {
    NamedObjectStatus status = NamedObjectStatus::Failed;
    NamedObject notice = NamedObject::Create(kNoticeObject, &status);
    if (status != NamedObjectStatus::Created) return;
    ShowMessage(nullptr, message_id, ids::kIdsAppTitle, MessageStyle::Information);
    notice.Release();
}

}  // namespace

void PostDeferredNotice(int message_id) {
    QTimer::singleShot(0, [message_id] { ShowNotice(message_id); });
}

bool DeferredNoticeShown() {
    return NamedObject::Exists(kNoticeObject);
}

}  // namespace orvane
