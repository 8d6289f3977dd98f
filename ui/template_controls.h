// Controls made from a dialog template of the language module.
#pragma once

class QPushButton;
class QWidget;

namespace orvane {

// A push button of `parent` showing the text of control `control_id` in template `template_id`,
// with the control ID as objectName and the text without its mnemonic as accessible name.
QPushButton* MakeTemplateButton(int template_id, int control_id, QWidget* parent);

}  // namespace orvane
