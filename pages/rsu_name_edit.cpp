#include "pages/rsu_name_edit.h"

namespace orvane {

CRSUNameEdit::CRSUNameEdit(QWidget* parent) : CRSUFilteredEdit(parent) {}

void CRSUNameEdit::SetUp(const char* keycode_type) {
    SetUpKeycode(keycode_type);
}

FieldRules CRSUNameEdit::Rules() const {
    return FieldRules::Name(CurrentKeycodeSet());
}

}  // namespace orvane
