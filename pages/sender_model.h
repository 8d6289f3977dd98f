// The sender list: one row with the sender name and fax number.
#pragma once

#include "pages/directory_list_model.h"

namespace orvane {

class SenderModel : public DirectoryListModel {
    Q_OBJECT
  public:
    explicit SenderModel(QObject* parent = nullptr);

  protected:
    int Rows(const DirectoryData& working) const override;
    QString Cell(const DirectoryData& working, int row, int column) const override;
};

}  // namespace orvane
