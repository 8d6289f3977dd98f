// The speed-dial list: one row per dial slot, in the printer's order.
#pragma once

#include "pages/directory_list_model.h"

namespace orvane {

class SpeedDialModel : public DirectoryListModel {
    Q_OBJECT
  public:
    explicit SpeedDialModel(QObject* parent = nullptr);

  protected:
    int Rows(const DirectoryData& working) const override;
    QString Cell(const DirectoryData& working, int row, int column) const override;
};

}  // namespace orvane
