// The dialog that edits the sender name and fax number (template 147).
#pragma once

#include <QString>

#include "pages/rsu_edit_dialog.h"

namespace orvane {

class CRSUFaxEdit;
class CRSUNameEdit;
class CRSUPageHost;

class CRSUTTI : public CRSUEditDialog {
    Q_OBJECT
  public:
    // Shows `name` and `number`; both edits follow the rules and length limits of the printer shown
    // by `host` (nothing is set up or shown while it shows none).
    CRSUTTI(CRSUPageHost* host, const QString& name, const QString& number, QWidget* owner);

    // After OK: the texts typed; either or both may be empty.
    const QString& Name() const { return name_; }
    const QString& Number() const { return number_; }

    void accept() override;

  private:
    CRSUNameEdit* name_edit_ = nullptr;
    CRSUFaxEdit* number_edit_ = nullptr;
    QString name_;
    QString number_;
};

}  // namespace orvane
