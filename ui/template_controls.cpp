#include "ui/template_controls.h"

#include <QPushButton>

#include "ui/language_module.h"

namespace orvane {

QPushButton* MakeTemplateButton(int template_id, int control_id, QWidget* parent) {
    auto* button = new QPushButton(LoadTemplateText(template_id, control_id), parent);
    button->setObjectName(QString::number(control_id));
    button->setAccessibleName(WithoutMnemonic(button->text()));
    return button;
}

}  // namespace orvane
