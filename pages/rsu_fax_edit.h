// The fax-number field: digits and the characters of its mode, one tone switch in dial entries,
// and pauses tidied after every change.
#pragma once

#include "pages/rsu_filtered_edit.h"

namespace orvane {

class CRSUFaxEdit : public CRSUFilteredEdit {
    Q_OBJECT
  public:
    explicit CRSUFaxEdit(QWidget* parent = nullptr);

    // Sets the printer's keycode_type and the FaxEditMode (1 dial entry, 2 rejected number,
    // 3 sender number; other values allow digits only). A null text changes nothing. The length
    // limit is QLineEdit::setMaxLength.
    void SetUp(const char* keycode_type, int fax_edit_mode);

  protected:
    FieldRules Rules() const override;
    bool Tidy(EditField& field) const override;

  private:
    FaxEditMode mode_ = FaxEditMode::kDigitsOnly;
};

}  // namespace orvane
