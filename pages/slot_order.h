// The order of slot IDs in the group dialog's lists: the printer's slot order, which is the order of
// the Working copy's dial entries, whichever kind of slot the printer sends first.
#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// Where `moving` goes among `listed` (walked from the top): before the first row that does not come
// before it in `slot_order` (the slot IDs in the printer's order). An ID missing from `slot_order`
// comes after every ID it holds.
int SortedInsertIndex(const QStringList& listed, const QString& moving, const QStringList& slot_order);

}  // namespace orvane
