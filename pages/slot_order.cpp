#include "pages/slot_order.h"

namespace orvane {
namespace {

bool IsCoded(const QString& slot_id) {
    return slot_id.startsWith(QLatin1Char('*'));
}

bool Passes(const QString& moving, const QString& row) {
    if (IsCoded(moving) != IsCoded(row)) return IsCoded(moving);
    return SlotNumber(row) < SlotNumber(moving);
}

}  // namespace

int SlotNumber(const QString& slot_id) {
    const QStringView digits = IsCoded(slot_id) ? QStringView(slot_id).mid(1) : QStringView(slot_id);
    int number = 0;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
        // Slot IDs have at most 3 digits; the cap keeps a hostile text from overflowing.
        if (number < 100'000'000) number = number * 10 + (c.unicode() - u'0');
    }
    return number;
}

int SortedInsertIndex(const QStringList& listed, const QString& moving) {
    int index = 0;
    while (index < listed.size() && Passes(moving, listed[index])) ++index;
    return index;
}

}  // namespace orvane
