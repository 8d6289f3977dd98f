// The list of the pages and dialogs: a report-style list over a model whose selection, once a list
// with rows has one, is never lost to a click on empty space or a key. A row chosen from outside the
// list (an accessibility client) is chosen as a click chooses it.
#pragma once

#include <QTreeView>

namespace orvane {

class CRSUListCtrl : public QTreeView {
    Q_OBJECT
  public:
    explicit CRSUListCtrl(QWidget* parent = nullptr);

    // Selects and focuses `row` alone (nothing when the row does not exist).
    void SelectRow(int row);
    // The rows selected, ascending.
    QList<int> SelectedRows() const;
    // The row of the selection mark (the current row), or -1.
    int SelectionMark() const;
    // The column 0 text of `row` (the slot ID in every list).
    QString SlotIdAt(int row) const;
    // The text of one cell (empty outside the list).
    QString CellText(int row, int column) const;
    // Selects every row; with `focus_each` the focus walks through them and ends on the last row,
    // otherwise the current row stays. The view does not scroll either way.
    void SelectAllRows(bool focus_each);
    // The index of the row at the top of the view, and scrolling that brings `row` back there.
    int TopRow() const;
    void ScrollToTopRow(int row);
    // Where a context menu asked for from the keyboard opens (screen coordinates): at the row after
    // the first selected one, `x_offset` pixels right of the list's left edge, kept inside the list.
    QPoint KeyboardMenuPosition(int x_offset) const;

  signals:
    // A context menu is asked for over a row (mouse, at `global_position`) or from the keyboard
    // (the receiver places it with KeyboardMenuPosition).
    void ContextMenuRequested(const QPoint& global_position, bool from_keyboard);

  protected:
    // The mouse over the rows: the list's own input.
    bool viewportEvent(QEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    bool HitsRow(const QPoint& position) const;
    // Puts the selection back on the current row (the selection mark) when none is left.
    void KeepSelection();

    // True while the selection changes through the list's own mouse, keys or functions.
    bool choosing_itself_ = false;
};

}  // namespace orvane
