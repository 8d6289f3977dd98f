// The editing rules of the dial entries: find a slot, empty it, make it an individual entry or a
// group. The speed-dial page, its dialogs and the directory tools share them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "remotesetup/directory_data.h"

namespace orvane {

// A printer's length limit as a field's edit may take it: cut to what the field holds without its
// terminator (a printer may report more than the Working copy can store).
int FieldLimit(std::int32_t printer_limit, std::size_t field_size);

// A slot ID text as the entries hold it: cut to 4 bytes, zero-padded.
SlotId NarrowSlotId(std::string_view text);

// True when two slot ID cells agree up to their first zero byte, over at most 4 bytes.
bool SameSlotId(const SlotId& a, const SlotId& b);

// The first entry whose slot ID equals `slot_id` over at most 4 bytes, or null.
DialEntry* FindDialEntry(DirectoryData& directory, std::string_view slot_id);
const DialEntry* FindDialEntry(const DirectoryData& directory, std::string_view slot_id);

// True when one of the first member-count cells of `group` is `slot_id`.
bool ListsMember(const DialEntry& group, const SlotId& slot_id);

// Empties the slot: kind empty, name and number zeroed, no members and every member cell zeroed.
// Groups that list this slot keep listing it.
void EmptyDialEntry(DialEntry& entry);

// Makes the slot an individual entry with `number` (ASCII) and `name` (stored in the device
// character code; a character without a code ends the name). False, with the entry unchanged, when
// either does not fit its field.
bool StoreIndividualEntry(DialEntry& entry, std::string_view number, std::u16string_view name);

// Makes the slot a group named `name` whose member table holds the slot IDs `members` in that
// order. False, with the entry unchanged, when the name does not fit or there are more members than
// cells.
bool StoreGroupEntry(DialEntry& entry, std::u16string_view name, const std::vector<std::string>& members);

}  // namespace orvane
