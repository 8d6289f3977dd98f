#include "ui/show_message.h"

#include <QPushButton>
#include <memory>

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

// The box of `message_id`, read right to left when the language setting asks for it now.
std::unique_ptr<QMessageBox> MakeBox(QWidget* owner, const QString& text, int caption_id,
                                     MessageStyle style) {
    auto box =
        std::make_unique<QMessageBox>(IconOf(style), LoadString(caption_id), text, ButtonsOf(style), owner);
    box->setLayoutDirection(LayoutDirectionOf(CurrentLanguage()));
    return box;
}

}  // namespace

QMessageBox::StandardButton ShowMessage(QWidget* owner, int message_id, int caption_id, MessageStyle style) {
    return ShowMessage(owner, LoadString(message_id), caption_id, style);
}

QMessageBox::StandardButton ShowMessage(QWidget* owner, const QString& text, int caption_id,
                                        MessageStyle style) {
    const int pressed = MakeBox(owner, text, caption_id, style)->exec();
    return pressed == QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::Cancel;
}

QuestionAnswer AskWithButton(QWidget* owner, int message_id, int caption_id, int button_id) {
    const std::unique_ptr<QMessageBox> box =
        MakeBox(owner, LoadString(message_id), caption_id, MessageStyle::Question);
    QPushButton* own = box->addButton(LoadString(button_id), QMessageBox::ActionRole);
    own->setObjectName(QString::number(button_id));
    own->setAccessibleName(WithoutMnemonic(own->text()));
    box->exec();
    if (box->clickedButton() == own) return QuestionAnswer::Button;
    return box->clickedButton() == box->button(QMessageBox::Ok) ? QuestionAnswer::Ok : QuestionAnswer::Cancel;
}

}  // namespace orvane
