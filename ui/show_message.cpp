#include "ui/show_message.h"

#include "ui/language.h"
#include "ui/language_module.h"

namespace orvane {
namespace {

QMessageBox::Icon IconOf(MessageStyle style) {
    switch (style) {
        case MessageStyle::Error:
            return QMessageBox::Critical;
        case MessageStyle::Question:
            return QMessageBox::Warning;
        case MessageStyle::Information:
            break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons ButtonsOf(MessageStyle style) {
    return style == MessageStyle::Question ? (QMessageBox::Ok | QMessageBox::Cancel) : QMessageBox::Ok;
}

}  // namespace

QMessageBox::StandardButton ShowMessage(QWidget* owner, int message_id, int caption_id, MessageStyle style) {
    QMessageBox box(IconOf(style), LoadString(caption_id), LoadString(message_id), ButtonsOf(style), owner);
    box.setLayoutDirection(LayoutDirectionOf(CurrentLanguage()));
    const int pressed = box.exec();
    return pressed == QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Cancel;
}

}  // namespace orvane
