// Merging instead of overwriting: the directory as read (the base), the printer's directory now and
// the directory edited here (the window's Working copy, or the file of a write) are compared slot by
// slot - every dial slot, the sender and every rejected number - and the changes of both sides are
// put together into one directory.
#pragma once

#include "remotesetup/directory_data.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orvane {

// The side of a merge a slot is taken from.
enum class MergeSide {
    Printer,  // the printer's directory now
    Here,     // the directory edited here
};

// How a slot changed since the base.
enum class SlotChange {
    PrinterOnly,  // changed on the printer only
    HereOnly,     // changed here only
    BothAlike,    // changed on both to the same contents: no conflict
    Conflict,     // changed on both, differently
};

// What a merge slot is.
enum class MergePart {
    Dial,    // a dial slot
    Sender,  // the sender information
    Reject,  // a reject slot
};

// One slot that changed since the base.
struct MergeSlot {
    MergePart part = MergePart::Dial;
    std::size_t index = 0;  // the entry (Dial) or reject entry (Reject); 0 for the sender
    std::string id;         // "01", "*00", "sender", "rejected 01"
    SlotChange change = SlotChange::HereOnly;
    MergeSide choice = MergeSide::Here;  // the side a conflict takes; not used for the other changes

    // The side the merge takes this slot from: the printer for PrinterOnly, `choice` for a conflict,
    // else here.
    MergeSide Taken() const;
};

// A group member the merge dropped because the slot it names ends empty.
struct DroppedMember {
    std::string group;   // the group's slot ID
    std::string member;  // the member's slot ID
};

// What a merge gives.
struct MergeResult {
    DirectoryData merged;
    std::vector<DroppedMember> dropped;  // in the order of the groups, then of their members
};

// The slots that changed from `base` to `printer` or to `here`: dial slots in the order of the
// entries, then the sender, then the reject slots. Every conflict starts choosing here. The three
// copies are read from one printer, so they list the same slots; only the entries and reject
// entries all three have are compared.
std::vector<MergeSlot> CompareThreeWay(const DirectoryData& base, const DirectoryData& printer,
                                       const DirectoryData& here);

// True when one of `slots` is a conflict.
bool HasConflict(const std::vector<MergeSlot>& slots);

// Sets the choice of every conflict in `slots` to `side`.
void ChooseForConflicts(std::vector<MergeSlot>& slots, MergeSide side);

// `here` with every slot of `slots` (as CompareThreeWay gave them for these copies, choices set)
// taken from its side. Then every group member that names a slot
// the merge emptied (empty in the result, not empty in one of the three copies) is dropped; a member
// naming a slot that was empty everywhere stays. Throws std::bad_alloc when memory runs out.
MergeResult MergeDirectories(const DirectoryData& base, const DirectoryData& printer,
                             const DirectoryData& here, const std::vector<MergeSlot>& slots);

}  // namespace orvane
