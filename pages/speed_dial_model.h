// The speed-dial list: one row per dial slot, in the printer's order.
#pragma once

#include "pages/directory_list_model.h"

namespace orvane {

struct DialEntry;

// The text a speed-dial list shows for `entry` in `column`: 0 the slot ID, 1 the name (none for an
// empty slot), 2 the number of an individual entry or string 1043 for a group.
QString DialEntryCell(const DialEntry& entry, int column);

class SpeedDialModel : public DirectoryListModel {
    Q_OBJECT
  public:
    explicit SpeedDialModel(QObject* parent = nullptr);

  protected:
    int Rows(const DirectoryData& working) const override;
    QString Cell(const DirectoryData& working, int row, int column) const override;
    // A group's number column shows string 1043, which is no number to find.
    QString FindText(const DirectoryData& working, int row, int column) const override;
};

}  // namespace orvane
