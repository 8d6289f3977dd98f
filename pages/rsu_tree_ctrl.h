// The navigation tree: the printer, its function headings and the pages; only pages can be
// selected with the mouse. Item texts are never cut short: a text wider than the tree scrolls it
// sideways.
#pragma once

#include <QTreeWidget>
#include <vector>

#include "pages/page_row.h"

namespace orvane {

class CRSUTreeCtrl : public QTreeWidget {
    Q_OBJECT
  public:
    explicit CRSUTreeCtrl(QWidget* parent = nullptr);

    // Borrows the page row table (the owner keeps it alive while the tree uses it; null for none).
    void SetPageRows(const std::vector<PageRow>* rows) { rows_ = rows; }
    // Selects the first visible item whose row is a page; nothing when the rows run out.
    void SelectFirstPage();
    // Selects the page row that carries the first-page mark (the speed-dial page).
    void SelectMarkedFirstPage();
    // The row whose text equals the item's text, or null.
    const PageRow* RowOf(const QTreeWidgetItem* item) const;
    // The width that shows every item's text whole.
    int ContentsWidth() const;

  protected:
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    const std::vector<PageRow>* rows_ = nullptr;
};

}  // namespace orvane
