// The changes the speed-dial page and its dialogs make to the dial entries of the Working copy.
#pragma once

#include <QString>
#include <QStringList>

#include "remotesetup/directory_data.h"

namespace orvane {

// A printer's length limit as a field's edit may take it: cut to what the field holds without its
// terminator (a printer may report more than the Working copy can store).
int FieldLimit(std::int32_t printer_limit, std::size_t field_size);

// A list's slot ID text as the entries hold it: narrow, cut to 4 bytes, zero-padded.
SlotId NarrowSlotId(const QString& text);

// True when two slot ID cells agree up to their first zero byte, over at most 4 bytes.
bool SameSlotId(const SlotId& a, const SlotId& b);

// The first entry whose slot ID equals `slot_id` (a list's column 0) over at most 4 bytes, or null.
DialEntry* FindDialEntry(DirectoryData& directory, const QString& slot_id);
const DialEntry* FindDialEntry(const DirectoryData& directory, const QString& slot_id);

// True when one of the first member-count cells of `group` is `slot_id`.
bool ListsMember(const DialEntry& group, const SlotId& slot_id);

// Empties the slot: kind empty, name and number zeroed, no members and every member cell zeroed.
// Groups that list this slot keep listing it.
void EmptyDialEntry(DialEntry& entry);

// Makes the slot an individual entry with `number` (narrow) and `name` (device character code; a
// character without a code ends the name). False, with the entry unchanged, when either does not
// fit its field.
bool StoreIndividualEntry(DialEntry& entry, const QString& number, const QString& name);

// Makes the slot a group named `name` whose member table holds the slot IDs `members` in that
// order. False, with the entry unchanged, when the name does not fit or there are more members than
// cells.
bool StoreGroupEntry(DialEntry& entry, const QString& name, const QStringList& members);

}  // namespace orvane
