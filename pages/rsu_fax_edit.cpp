#include "pages/rsu_fax_edit.h"

namespace orvane {

CRSUFaxEdit::CRSUFaxEdit(QWidget* parent) : CRSUFilteredEdit(parent) {}

void CRSUFaxEdit::SetUp(const char* keycode_type, int fax_edit_mode) {
    if (!SetUpKeycode(keycode_type)) return;
    mode_ = FaxEditModeFrom(fax_edit_mode);
}

FieldRules CRSUFaxEdit::Rules() const {
    return FieldRules::Number(mode_);
}

bool CRSUFaxEdit::Tidy(EditField& field) const {
    return TidyNumber(field);
}

}  // namespace orvane
