#include "pages/speed_dial_model.h"

#include "pages/directory_text.h"
#include "remotesetup/directory_data.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"

namespace orvane {

SpeedDialModel::SpeedDialModel(QObject* parent)
    : DirectoryListModel(
          {{ids::kIdsColumnSlotId, 50}, {ids::kIdsColumnName, 150}, {ids::kIdsColumnNumber, 270}}, parent) {}

int SpeedDialModel::Rows(const DirectoryData& working) const {
    return static_cast<int>(working.entries.size());
}

QString SpeedDialModel::Cell(const DirectoryData& working, int row, int column) const {
    return DialEntryCell(working.entries[static_cast<std::size_t>(row)], column);
}

QString SpeedDialModel::FindText(const DirectoryData& working, int row, int column) const {
    const DialEntry& entry = working.entries[static_cast<std::size_t>(row)];
    return column == 2 && entry.kind == EntryKind::Group ? QString() : DialEntryCell(entry, column);
}

QString DialEntryCell(const DialEntry& entry, int column) {
    switch (column) {
        case 0:
            return NarrowText(entry.slot_id, entry.slot_id.size());
        case 1:
            return entry.kind == EntryKind::Empty ? QString() : DeviceName(entry.name);
        case 2:
            if (entry.kind == EntryKind::Group) return LoadString(ids::kIdsGroupMarker);
            return entry.kind == EntryKind::Individual ? NarrowText(entry.number, kMaxNumberLength + 1)
                                                       : QString();
        default:
            return {};
    }
}

}  // namespace orvane
