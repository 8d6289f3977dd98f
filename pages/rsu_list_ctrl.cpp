#include "pages/rsu_list_ctrl.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

#include "pages/left_to_right_delegate.h"
#include "pages/sideways_wheel.h"

namespace orvane {
namespace {

// Pixels the wheel scrolls the list sideways over its horizontal scroll bar.
constexpr int kWheelStep = 10;

}  // namespace

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
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setItemDelegate(new LeftToRightDelegate(this));
    ScrollSidewaysOnWheel(this, [](QScrollBar* bar, bool left) {
        bar->setValue(bar->value() + (left ? -kWheelStep : kWheelStep));
    });
}

void CRSUListCtrl::SelectRow(int row) {
    if (model() == nullptr || row < 0 || row >= model()->rowCount()) return;
    const QScopedValueRollback<bool> own(choosing_itself_, true);
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

int CRSUListCtrl::SelectionMark() const {
    const QModelIndex mark = currentIndex();
    return mark.isValid() ? mark.row() : -1;
}

QString CRSUListCtrl::SlotIdAt(int row) const {
    return CellText(row, 0);
}

QString CRSUListCtrl::CellText(int row, int column) const {
    return model() != nullptr ? model()->index(row, column).data().toString() : QString();
}

void CRSUListCtrl::SelectAllRows(bool focus_each) {
    if (model() == nullptr || model()->rowCount() == 0) return;
    const QScopedValueRollback<bool> own(choosing_itself_, true);
    const QModelIndex first = model()->index(0, 0);
    const QModelIndex last = model()->index(model()->rowCount() - 1, 0);
    selectionModel()->select(QItemSelection(first, last),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (!focus_each) return;
    // The focus moves to the last row; the view stays where it is.
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
    setAutoScroll(scrolls);
}

int CRSUListCtrl::TopRow() const {
    const QModelIndex top = indexAt(QPoint(0, 0));
    return top.isValid() ? top.row() : 0;
}

void CRSUListCtrl::ScrollToTopRow(int row) {
    if (model() == nullptr || row < 0 || row >= model()->rowCount()) return;
    // After a reset the scroll range is only known once the rows are laid out.
    executeDelayedItemsLayout();
    scrollTo(model()->index(row, 0), QAbstractItemView::PositionAtTop);
}

QPoint CRSUListCtrl::KeyboardMenuPosition(int x_offset) const {
    const QList<int> selected = SelectedRows();
    const int first = selected.isEmpty() ? 0 : selected.first();
    const int row_height =
        model() != nullptr && model()->rowCount() > 0 ? visualRect(model()->index(0, 0)).height() : 0;
    // The row after the first selected one; below the last row where such a row would be.
    const QRect anchor = visualRect(model()->index(first, 0));
    int y = anchor.top() + row_height;
    if (y < 0) {
        y = 2 * row_height;
    } else if (y > viewport()->height()) {
        y = viewport()->height() - row_height;
    }
    return viewport()->mapToGlobal(QPoint(anchor.left() + x_offset, y));
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

bool CRSUListCtrl::viewportEvent(QEvent* event) {
    const QScopedValueRollback<bool> own(choosing_itself_, true);
    return QTreeView::viewportEvent(event);
}

void CRSUListCtrl::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QTreeView::selectionChanged(selected, deselected);
    // Chosen from outside: the row alone is selected and carries the selection mark.
    if (!choosing_itself_ && !selected.isEmpty()) SelectRow(selected.indexes().first().row());
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
    // Only a left double-click is one (Edit, Add, Remove); another button's second press is a press.
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}

void CRSUListCtrl::keyPressEvent(QKeyEvent* event) {
    const QScopedValueRollback<bool> own(choosing_itself_, true);
    // Shift+F10 asks for the context menu as the menu key does.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        event->accept();
        emit ContextMenuRequested(QPoint(), true);
        return;
    }
    QTreeView::keyPressEvent(event);
    KeepSelection();
}

void CRSUListCtrl::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    const bool from_keyboard = event->reason() != QContextMenuEvent::Mouse;
    // No context menu over empty space.
    if (!from_keyboard && !HitsRow(viewport()->mapFromGlobal(event->globalPos()))) return;
    emit ContextMenuRequested(event->globalPos(), from_keyboard);
}

}  // namespace orvane
