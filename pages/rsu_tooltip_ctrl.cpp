#include "pages/rsu_tooltip_ctrl.h"

#include <QWidget>

#include "ui/language_module.h"

namespace orvane {

void CRSUToolTipCtrl::AddTool(QWidget* control, int string_id) {
    const QString text = LoadString(string_id);
    control->setToolTip(text);
    control->setAccessibleDescription(text);
    if (control->accessibleName().isEmpty()) control->setAccessibleName(text);
}

}  // namespace orvane
