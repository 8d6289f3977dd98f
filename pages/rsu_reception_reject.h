// The dialog that edits one rejected number (template 146).
#pragma once

#include <QString>

#include "pages/rsu_edit_dialog.h"

namespace orvane {

class CRSUFaxEdit;
class CRSUPageHost;

class CRSUReceptionReject : public CRSUEditDialog {
    Q_OBJECT
  public:
    // Shows `slot_id` and `number`; the number edit follows the rules and the length limit of the
    // printer shown by `host` (nothing is set up or shown while it shows none).
    CRSUReceptionReject(CRSUPageHost* host, const QString& slot_id, const QString& number, QWidget* owner);

    // After OK: the number typed (empty frees the slot).
    const QString& Number() const { return number_; }

    void accept() override;

  private:
    CRSUFaxEdit* number_edit_ = nullptr;
    QString number_;
};

}  // namespace orvane
