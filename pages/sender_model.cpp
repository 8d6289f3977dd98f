#include "pages/sender_model.h"

#include "pages/directory_text.h"
#include "remotesetup/directory_data.h"
#include "resources/resource_ids.h"

namespace orvane {

SenderModel::SenderModel(QObject* parent)
    : DirectoryListModel({{ids::kIdsColumnSenderName, 150}, {ids::kIdsColumnSenderNumber, 270}}, parent) {}

int SenderModel::Rows(const DirectoryData&) const {
    return 1;
}

QString SenderModel::Cell(const DirectoryData& working, int, int column) const {
    if (column == 0) return DeviceName(working.sender.name);
    return column == 1 ? NarrowText(working.sender.number, working.sender.number.size()) : QString();
}

}  // namespace orvane
