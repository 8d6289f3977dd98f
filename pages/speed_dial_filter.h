// The rows of the speed-dial list that Find shows: those whose name or number contains the find
// text, letter case and accents ignored.
#pragma once

#include <QSortFilterProxyModel>
#include <vector>

namespace orvane {

// `text` as Find compares it: compatibility-decomposed, without combining marks, case-folded, so
// that "Müller", "MULLER" and "muller" are alike.
QString FoldedForFind(const QString& text);

// Which rows are shown is decided when the find text changes and when Refilter is called (the
// directory was replaced); a reset of the source after the page's own edit keeps the rows shown,
// so an edited or emptied row stays in view even when it no longer matches.
class SpeedDialFilter : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    // Shows only the rows that contain `text` (every row while it is empty).
    void SetFindText(const QString& text);
    // Decides again, from the rows as they are now, which are shown.
    void Refilter();

  protected:
    bool filterAcceptsRow(int source_row, const QModelIndex& source_parent) const override;

  private:
    bool Matches(int source_row) const;

    QString folded_;
    // Per source row, whether it is shown; decided by the last Refilter.
    std::vector<bool> shown_;
};

}  // namespace orvane
