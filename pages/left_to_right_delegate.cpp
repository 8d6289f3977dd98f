#include "pages/left_to_right_delegate.h"

namespace orvane {

void LeftToRightDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->direction != Qt::RightToLeft || option->text.isRightToLeft()) return;
    option->direction = Qt::LeftToRight;
    option->displayAlignment =
        (option->displayAlignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignRight | Qt::AlignAbsolute;
}

}  // namespace orvane
