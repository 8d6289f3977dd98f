// The choice of what an empty speed-dial slot becomes (template 148): an individual entry or a group.
#pragma once

#include "pages/rsu_edit_dialog.h"

class QRadioButton;

namespace orvane {

// The dialog's answer after OK.
enum class EntryTypeAnswer {
    None = 0,
    Individual = 1,
    Group = 2,
};

class CRSUSpeedDialTypeSelect : public CRSUEditDialog {
    Q_OBJECT
  public:
    explicit CRSUSpeedDialTypeSelect(QWidget* parent);

    // Set by OK from the choice; None until then.
    EntryTypeAnswer Answer() const { return answer_; }

    void accept() override;

  private:
    QRadioButton* AddChoice(int control_id, int tip, int index);

    int choice_ = 0;  // 0 individual (1026), 1 group (1027)
    EntryTypeAnswer answer_ = EntryTypeAnswer::None;
};

}  // namespace orvane
