// Cells of a list laid out right to left (Arabic) whose text reads left to right: slot IDs ("*00"),
// fax numbers ("+49 30"), Latin names.
#pragma once

#include <QStyledItemDelegate>

namespace orvane {

// Draws a cell without right-to-left letters left to right, so that "*00" does not show as "00*";
// in a right-to-left list the text keeps its place at the right of the cell.
class LeftToRightDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace orvane
