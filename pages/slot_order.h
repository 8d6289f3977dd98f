// The order of slot IDs in the group dialog's lists: one-touch slots ("01") before coded slots
// ("*00"), each class in numeric order.
#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// The number of a slot ID: a leading "*" dropped, then its leading decimal digits (0 without any).
int SlotNumber(const QString& slot_id);

// Where `moving` goes among `listed` (walked from the top): before the first row it does not pass.
// A one-touch ID passes no coded row, a coded ID passes every one-touch row, and within one class an
// ID passes the rows with a smaller number.
int SortedInsertIndex(const QStringList& listed, const QString& moving);

}  // namespace orvane
