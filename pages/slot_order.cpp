#include "pages/slot_order.h"

namespace orvane {
namespace {

qsizetype Position(const QStringList& slot_order, const QString& slot_id) {
    const qsizetype position = slot_order.indexOf(slot_id);
    return position < 0 ? slot_order.size() : position;
}

}  // namespace

int SortedInsertIndex(const QStringList& listed, const QString& moving, const QStringList& slot_order) {
    const qsizetype moving_position = Position(slot_order, moving);
    int index = 0;
    while (index < listed.size() && Position(slot_order, listed[index]) < moving_position) ++index;
    return index;
}

}  // namespace orvane
