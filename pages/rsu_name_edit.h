// The name field: the characters of the device character table that the printer's keycode set
// lets a name use, with full-width forms and kana folded.
#pragma once

#include "pages/rsu_filtered_edit.h"

namespace orvane {

class CRSUNameEdit : public CRSUFilteredEdit {
    Q_OBJECT
  public:
    explicit CRSUNameEdit(QWidget* parent = nullptr);

    // Sets the printer's keycode_type ("type1": ASCII and half-width kana; anything else: ASCII
    // and accented Latin). A null text changes nothing. The length limit is QLineEdit::setMaxLength.
    void SetUp(const char* keycode_type);

  protected:
    FieldRules Rules() const override;
};

}  // namespace orvane
