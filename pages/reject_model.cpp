#include "pages/reject_model.h"

#include "pages/directory_text.h"
#include "remotesetup/directory_data.h"
#include "resources/resource_ids.h"

namespace orvane {

RejectModel::RejectModel(QObject* parent)
    : DirectoryListModel({{ids::kIdsColumnRejectSlot, 50}, {ids::kIdsColumnRejectNumber, 270}}, parent) {}

int RejectModel::Rows(const DirectoryData& working) const {
    return static_cast<int>(working.rejects.size());
}

QString RejectModel::Cell(const DirectoryData& working, int row, int column) const {
    const RejectEntry& entry = working.rejects[static_cast<std::size_t>(row)];
    if (column == 0) return NarrowText(entry.slot_id, kRejectSlotIdSize);
    return column == 1 ? NarrowText(entry.number, kMaxRejectNumberLength + 1) : QString();
}

}  // namespace orvane
