// Every message box of the program.
#pragma once

#include <QMessageBox>

namespace orvane {

// The three kinds of message box.
enum class MessageStyle {
    Error,        // OK, error icon
    Question,     // OK and Cancel, warning icon
    Information,  // OK, information icon
};

// Shows string `message_id` of the language module in a modal message box titled with string
// `caption_id` (normally ids::kIdsAppTitle), owned by `owner` (may be null). The box reads right
// to left exactly when the user's language setting is 0x0401 at the moment of the call. Returns
// QMessageBox::Ok or QMessageBox::Cancel.
QMessageBox::StandardButton ShowMessage(QWidget* owner, int message_id, int caption_id, MessageStyle style);

// The answer to a question with a button of its own.
enum class QuestionAnswer {
    Ok,      // OK
    Button,  // the question's own button
    Cancel,  // Cancel, Escape or the close box
};

// ShowMessage in the question style with one more button beside OK and Cancel: its text is string
// `button_id` of the language module, its objectName that ID.
QuestionAnswer AskWithButton(QWidget* owner, int message_id, int caption_id, int button_id);

// The same for a message whose text is already made (a string of the module with its arguments).
QMessageBox::StandardButton ShowMessage(QWidget* owner, const QString& text, int caption_id,
                                        MessageStyle style);

}  // namespace orvane
