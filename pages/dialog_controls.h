// Controls shared by the editing dialogs: captions from the dialog's template, accessible names
// without mnemonics, and the OK and Cancel buttons.
#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QWidget;

namespace orvane {

// The caption of a dialog template (its title), looked up like a control's.
inline constexpr int kDialogCaption = 0;

// A template caption without its mnemonic marks, as an accessible name.
QString WithoutMnemonic(const QString& caption);

// The label of `control`: caption `caption_id` of `template_id`, the control as its buddy; the
// caption also names the control for assistive tools.
QLabel* AddLabelFor(QWidget* control, int template_id, int caption_id);

// OK (1) and Cancel (2) with the template's captions, wired to accept() and reject(); OK is the
// default button.
QDialogButtonBox* AddOkCancel(QDialog* dialog, int template_id);

// The OK button of `dialog`.
QPushButton* OkButton(const QDialog* dialog);

}  // namespace orvane
