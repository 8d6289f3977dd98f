#include "pages/speed_dial_filter.h"

#include "pages/directory_list_model.h"

namespace orvane {
namespace {

bool IsCombiningMark(QChar character) {
    switch (character.category()) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            return true;
        default:
            return false;
    }
}

// The columns Find looks in: the name and the number.
constexpr int kFindColumns[] = {1, 2};

}  // namespace

QString FoldedForFind(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString bare;
    bare.reserve(decomposed.size());
    for (QChar character : decomposed) {
        if (!IsCombiningMark(character)) bare.append(character);
    }
    return bare.toCaseFolded();
}

void SpeedDialFilter::SetFindText(const QString& text) {
    folded_ = FoldedForFind(text);
    Refilter();
}

void SpeedDialFilter::Refilter() {
    const int rows = sourceModel() != nullptr ? sourceModel()->rowCount() : 0;
    shown_.assign(static_cast<std::size_t>(rows), true);
    for (int row = 0; row < rows; ++row) shown_[static_cast<std::size_t>(row)] = Matches(row);
    invalidateRowsFilter();
}

bool SpeedDialFilter::filterAcceptsRow(int source_row, const QModelIndex&) const {
    const auto row = static_cast<std::size_t>(source_row);
    return row < shown_.size() ? shown_[row] : Matches(source_row);
}

bool SpeedDialFilter::Matches(int source_row) const {
    if (folded_.isEmpty()) return true;
    for (int column : kFindColumns) {
        const QString text =
            sourceModel()->index(source_row, column).data(DirectoryListModel::kFindTextRole).toString();
        if (FoldedForFind(text).contains(folded_)) return true;
    }
    return false;
}

}  // namespace orvane
