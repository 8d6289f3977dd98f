// The printer's fax directory (dial slots, sender, reject slots), its shape from the capability,
// sample entries and the edit someone makes on the printer.
#pragma once

#include <string>
#include <vector>

#include "emulator/capability.h"

namespace orvane::sim {

// What a dial slot holds.
enum class SlotKind { Empty, Individual, Group };

// One one-touch ("01") or coded ("*00") dial slot. Names are in the device character code.
struct DialSlot {
    std::string id;
    SlotKind kind = SlotKind::Empty;
    std::string name;
    std::string number;                // individual entries only
    std::vector<std::string> members;  // group entries only: slot IDs

    // An empty slot with this ID.
    static DialSlot Empty(std::string slot_id) {
        DialSlot slot;
        slot.id = std::move(slot_id);
        return slot;
    }

    bool operator==(const DialSlot&) const = default;
};

// The printer's fax directory: dial slots in the printer's order, sender, reject slots "01".. in order.
struct Directory {
    std::vector<DialSlot> dials;
    std::string sender_name;
    std::string sender_number;
    std::vector<std::string> rejects;  // rejected number of each reject slot, empty when unused

    bool operator==(const Directory&) const = default;
};

// In which order the printer lists its dial slots.
enum class SlotOrder { CodedFirst, OneTouchFirst };

// The ID of one-touch or reject slot n: "%02d" ("01" for 1).
std::string TwoDigitId(long n);

// Slot IDs of the group bitmap sequence: coded "*00".. then one-touch "01"..
std::vector<std::string> BitmapSlotIds(const Widths& widths);

// An empty directory shaped by the capability: its dial slots in the given order and its reject slots.
Directory ShapeDirectory(const Widths& widths, SlotOrder order);

// Copies the entries of `source` into the slots of `target` with the same IDs; the rest stay as they are.
// Returns the number of source entries that found no slot.
int FitDirectory(Directory& target, const Directory& source);

// Fills an empty directory with the sample entries of a profile. Names are chosen for the keycode type:
// half-width kana for "type1", accented Latin otherwise.
void FillSampleEntries(Directory& directory, const Widths& widths, bool kana);

// Changes one byte of the first named entry (or the sender name) so that a later check sees a change.
// Returns the ID of the slot changed ("sender" for the sender name).
std::string EditOneName(Directory& directory);

}  // namespace orvane::sim
