// The dialog that edits the sender name and fax number (template 147).
#pragma once

#include <QDialog>
#include <QString>

#include "pages/rsu_tooltip_ctrl.h"

namespace orvane {

class CRSUFaxEdit;
class CRSUNameEdit;
class CRSUPageHost;

class CRSUTTI : public QDialog {
    Q_OBJECT
  public:
    // Shows `name` and `number`; both edits follow the rules and length limits of the printer shown
    // by `host` (nothing is set up while it shows none).
    CRSUTTI(CRSUPageHost* host, const QString& name, const QString& number, QWidget* owner);

    // After OK: the texts typed; any of them may be empty.
    const QString& Name() const { return name_; }
    const QString& Number() const { return number_; }

    void accept() override;

  private:
    CRSUToolTipCtrl tool_tips_;
    CRSUNameEdit* name_edit_ = nullptr;
    CRSUFaxEdit* number_edit_ = nullptr;
    QString name_;
    QString number_;
};

}  // namespace orvane
