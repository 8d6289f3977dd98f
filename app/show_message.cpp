#include "app/show_message.h"

#include "app/language.h"
#include "app/language_module.h"

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
    return ShowMessage(owner, LoadString(message_id), caption_id, style);
}

QMessageBox::StandardButton ShowMessage(QWidget* owner, const QString& text, int caption_id,
                                        MessageStyle style) {
    QMessageBox box(IconOf(style), LoadString(caption_id), text, ButtonsOf(style), owner);
    box.setLayoutDirection(LayoutDirectionOf(CurrentLanguage()));
    const int pressed = box.exec();
    return pressed == QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Cancel;
}

}  // namespace orvane
