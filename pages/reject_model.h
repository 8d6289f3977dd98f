// The rejected-numbers list: one row per reject slot.
#pragma once

#include "pages/directory_list_model.h"

namespace orvane {

class RejectModel : public DirectoryListModel {
    Q_OBJECT
  public:
    explicit RejectModel(QObject* parent = nullptr);

  protected:
    int Rows(const DirectoryData& working) const override;
    QString Cell(const DirectoryData& working, int row, int column) const override;
};

}  // namespace orvane
