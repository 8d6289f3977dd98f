#include "pages/directory_list_model.h"

#include "remotesetup/remote_setup.h"
#include "ui/language_module.h"

namespace orvane {

DirectoryListModel::DirectoryListModel(std::vector<ListColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

void DirectoryListModel::Reset(CRSUFuncRemoteSetup* setup) {
    beginResetModel();
    setup_ = setup;
    endResetModel();
}

const DirectoryData* DirectoryListModel::Working() const {
    return setup_ != nullptr ? setup_->Copy(DirectoryCopy::Working) : nullptr;
}

int DirectoryListModel::rowCount(const QModelIndex& parent) const {
    const DirectoryData* working = Working();
    return parent.isValid() || working == nullptr ? 0 : Rows(*working);
}

int DirectoryListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant DirectoryListModel::data(const QModelIndex& index, int role) const {
    const DirectoryData* working = Working();
    if (working == nullptr || !index.isValid() || index.row() >= Rows(*working)) return {};
    if (role == kFindTextRole) return FindText(*working, index.row(), index.column());
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    return Cell(*working, index.row(), index.column());
}

QVariant DirectoryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    return LoadString(columns_[static_cast<std::size_t>(section)].header_id);
}

}  // namespace orvane
