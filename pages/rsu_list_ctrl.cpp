#include "pages/rsu_list_ctrl.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace orvane {

CRSUListCtrl::CRSUListCtrl(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setDragEnabled(false);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
}

void CRSUListCtrl::SelectRow(int row) {
    if (model() == nullptr || row < 0 || row >= model()->rowCount()) return;
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QList<int> CRSUListCtrl::SelectedRows() const {
    QList<int> rows;
    if (selectionModel() == nullptr) return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool CRSUListCtrl::HitsRow(const QPoint& position) const {
    return indexAt(position).isValid();
}

void CRSUListCtrl::KeepSelection() {
    if (selectionModel() == nullptr || selectionModel()->hasSelection()) return;
    const QModelIndex mark = currentIndex();
    if (mark.isValid()) {
        selectionModel()->setCurrentIndex(mark, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

void CRSUListCtrl::mousePressEvent(QMouseEvent* event) {
    if (!HitsRow(event->position().toPoint())) {
        event->accept();
        return;
    }
    QTreeView::mousePressEvent(event);
    KeepSelection();
}

void CRSUListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && !HitsRow(event->position().toPoint())) {
        event->accept();
        return;
    }
    QTreeView::mouseReleaseEvent(event);
    KeepSelection();
}

void CRSUListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!HitsRow(event->position().toPoint())) {
        event->accept();
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}

void CRSUListCtrl::keyPressEvent(QKeyEvent* event) {
    QTreeView::keyPressEvent(event);
    KeepSelection();
}

void CRSUListCtrl::contextMenuEvent(QContextMenuEvent* event) {
    // No context menu over empty space; a keyboard request is always passed on.
    if (event->reason() == QContextMenuEvent::Mouse && !HitsRow(event->pos())) {
        event->accept();
        return;
    }
    QTreeView::contextMenuEvent(event);
}

}  // namespace orvane
