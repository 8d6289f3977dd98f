// The list of the pages and dialogs: a report-style list over a model whose selection, once a list
// with rows has one, is never lost to a click on empty space or a key.
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

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    bool HitsRow(const QPoint& position) const;
    // Puts the selection back on the current row (the selection mark) when none is left.
    void KeepSelection();
};

}  // namespace orvane
