#include "pages/rsu_tree_ctrl.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTreeWidgetItemIterator>
#include <algorithm>

#include "pages/sideways_wheel.h"

namespace orvane {

CRSUTreeCtrl::CRSUTreeCtrl(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Items, not rows (the one column makes them alike): an accessibility client that chooses a row
    // would have its place among its siblings taken for its place in the whole tree.
    setSelectionBehavior(QAbstractItemView::SelectItems);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    ScrollSidewaysOnWheel(this, [](QScrollBar* bar, bool left) {
        bar->triggerAction(left ? QAbstractSlider::SliderSingleStepSub
                                : QAbstractSlider::SliderSingleStepAdd);
    });
}

const PageRow* CRSUTreeCtrl::RowOf(const QTreeWidgetItem* item) const {
    if (item == nullptr || rows_ == nullptr) return nullptr;
    for (const PageRow& row : *rows_) {
        if (row.text == item->text(0)) return &row;
    }
    return nullptr;
}

int CRSUTreeCtrl::ContentsWidth() const {
    // Every item counts, also those a hidden or short tree has not laid out yet.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int widest = 0;
    for (QTreeWidgetItemIterator item(const_cast<CRSUTreeCtrl*>(this)); *item; ++item) {
        int depth = rootIsDecorated() ? 1 : 0;
        for (const QTreeWidgetItem* parent = (*item)->parent(); parent != nullptr; parent = parent->parent())
            ++depth;
        const QModelIndex index = indexFromItem(*item);
        widest = std::max(widest, indentation() * depth + itemDelegate()->sizeHint(option, index).width());
    }
    return widest + 2 * frameWidth();
}

void CRSUTreeCtrl::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QTreeWidget::selectionChanged(selected, deselected);
    // The chosen item becomes the current one, also when chosen from outside the tree's own input.
    const QModelIndexList chosen = selected.indexes();
    if (!chosen.isEmpty() && chosen.first() != currentIndex()) {
        selectionModel()->setCurrentIndex(chosen.first(), QItemSelectionModel::NoUpdate);
    }
}

void CRSUTreeCtrl::SelectFirstPage() {
    if (rows_ == nullptr) return;
    // Visible items pair with the rows in order.
    std::size_t row = 0;
    for (QTreeWidgetItem* item = topLevelItem(0); item != nullptr && row < rows_->size();
         item = itemBelow(item), ++row) {
        if ((*rows_)[row].kind == kRowPage) {
            setCurrentItem(item);
            return;
        }
    }
}

void CRSUTreeCtrl::SelectMarkedFirstPage() {
    for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it) {
        const PageRow* row = RowOf(*it);
        if (row != nullptr && row->first_page == 1) {
            setCurrentItem(*it);
            return;
        }
    }
}

void CRSUTreeCtrl::mousePressEvent(QMouseEvent* event) {
    const PageRow* row = RowOf(itemAt(event->position().toPoint()));
    const std::uint16_t kind = row != nullptr ? row->kind : kRowUnknown;
    if (event->button() == Qt::RightButton || kind < kRowPage) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void CRSUTreeCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CRSUTreeCtrl::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

void CRSUTreeCtrl::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            event->accept();
            return;
        case Qt::Key_Home:
        case Qt::Key_PageUp:
            SelectFirstPage();
            event->accept();
            return;
        case Qt::Key_Up: {
            const PageRow* row = RowOf(currentItem());
            if (row != nullptr && row->first_page == 1) {
                event->accept();
                return;
            }
            break;
        }
        default:
            break;
    }
    QTreeWidget::keyPressEvent(event);
}

}  // namespace orvane
