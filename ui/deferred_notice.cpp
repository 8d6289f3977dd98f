#include "ui/deferred_notice.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "resources/resource_ids.h"
#include "transport/named_object.h"
#include "ui/show_message.h"

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

void RaiseDeferredNotice() {
    if (!DeferredNoticeShown()) return;
    // The notice runs modally above every other window of the program.
    if (QWidget* notice = QApplication::activeModalWidget()) {
        notice->raise();
        notice->activateWindow();
    }
}

}  // namespace orvane
