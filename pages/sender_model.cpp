#include "pages/sender_model.h"

#include "pages/directory_text.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"

namespace orvane {

SenderModel::SenderModel(QObject* parent)
    : DirectoryListModel({{ids::kIdsColumnSenderName, 150}, {ids::kIdsColumnSenderNumber, 270}}, parent) {}

void SenderModel::Convert(CRSUFuncRemoteSetup* setup) {
    name_.clear();
    number_.clear();
    const DirectoryData* working = setup != nullptr ? setup->Copy(DirectoryCopy::Working) : nullptr;
    if (working == nullptr) return;
    name_ = DeviceName(working->sender.name);
    number_ = NarrowText(working->sender.number, working->sender.number.size());
}

int SenderModel::Rows(const DirectoryData&) const {
    return 1;
}

QString SenderModel::Cell(const DirectoryData&, int, int column) const {
    if (column == 0) return name_;
    return column == 1 ? number_ : QString();
}

}  // namespace orvane
