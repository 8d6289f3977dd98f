// What an import brings into the directory shown (template 201), before anything changes.
#pragma once

#include "pages/rsu_edit_dialog.h"

class QTreeWidget;

namespace orvane {

struct FitReport;

// One row per part of the file (entries, the sender, rejected numbers, in the order of its lines):
// line, slot, name and number as they will be stored, the outcome (placed, changed, cut, not
// placed) and what changed or why it was not placed; above them the counts. OK takes the fit, Cancel
// leaves the directory as it is: the caller acts on the answer.
class CRSUFitReportDlg : public CRSUEditDialog {
    Q_OBJECT
  public:
    CRSUFitReportDlg(const FitReport& report, const QString& file_name, QWidget* parent);

  private:
    void FillRows(const FitReport& report);

    QTreeWidget* list_ = nullptr;
};

}  // namespace orvane
