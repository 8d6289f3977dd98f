// The editor of one individual speed-dial entry (template 105): a fax number and a name.
#pragma once

#include <QString>

#include "pages/rsu_edit_dialog.h"

class QLabel;

namespace orvane {

class CRSUFaxEdit;
class CRSUFuncRemoteSetup;
class CRSUNameEdit;

// What the page hands in: the slot and, for an existing entry, its current texts.
struct IndividualEntryTexts {
    QString slot_id;
    QString number;
    QString name;
    bool existing = false;  // the slot already holds an individual entry
};

class CMPSpeedDialIndividual : public CRSUEditDialog {
    Q_OBJECT
  public:
    // `setup` (may be null) gives the printer's keycode type and length limits.
    CMPSpeedDialIndividual(const IndividualEntryTexts& entry, CRSUFuncRemoteSetup* setup, QWidget* parent);

    // The texts typed, stored by OK.
    const QString& Number() const { return number_; }
    const QString& Name() const { return name_; }

    // OK's checks: a new entry left empty closes as Cancel; a name needs a number (message 166).
    void accept() override;

  private:
    void SetUpEdits(const CRSUFuncRemoteSetup& setup);

    bool existing_;
    QString number_;
    QString name_;
    QLabel* slot_id_ = nullptr;
    CRSUFaxEdit* number_edit_ = nullptr;
    CRSUNameEdit* name_edit_ = nullptr;
};

}  // namespace orvane
