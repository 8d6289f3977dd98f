// The choice of an address book's name and number columns (template 202), asked when an imported
// CSV file's headers are not recognised.
#pragma once

#include <string>
#include <vector>

#include "pages/rsu_edit_dialog.h"

class QComboBox;

namespace orvane {

struct CsvColumns;

// Two lists of the file's column headers: the one that holds each contact's name (the first column
// to start with) and the one that holds the fax number (the second).
class CRSUColumnChoiceDlg : public CRSUEditDialog {
    Q_OBJECT
  public:
    CRSUColumnChoiceDlg(const std::vector<std::string>& headers, const QString& file_name, QWidget* parent);

    // The headers of the two columns chosen.
    CsvColumns Columns() const;

  private:
    QComboBox* AddColumnList(int control_id, const std::vector<std::string>& headers, int selected);

    QComboBox* name_ = nullptr;
    QComboBox* number_ = nullptr;
};

}  // namespace orvane
