#include "directorytools/directory_merge.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

namespace orvane {
namespace {

// How `printer` and `here` changed from `base`; nothing when neither did.
template <typename Record, typename Same>
std::optional<SlotChange> ChangeOf(const Record& base, const Record& printer, const Record& here, Same same) {
    const bool on_printer = !same(base, printer);
    const bool on_here = !same(base, here);
    if (!on_printer && !on_here) return std::nullopt;
    if (!on_here) return SlotChange::PrinterOnly;
    if (!on_printer) return SlotChange::HereOnly;
    return same(printer, here) ? SlotChange::BothAlike : SlotChange::Conflict;
}

std::string TextOf(std::span<const char> field) {
    return std::string(FieldText(field));
}

bool IsEmptyIn(const DirectoryData& data, std::size_t index) {
    return index >= data.entries.size() || data.entries[index].kind == EntryKind::Empty;
}

// The slot IDs that end empty in `merged` although one of the three copies holds something there.
std::vector<std::string_view> EmptiedSlots(const DirectoryData& merged,
                                           std::initializer_list<const DirectoryData*> copies) {
    std::vector<std::string_view> emptied;
    for (std::size_t i = 0; i < merged.entries.size(); ++i) {
        if (merged.entries[i].kind != EntryKind::Empty) continue;
        if (std::any_of(copies.begin(), copies.end(),
                        [i](const DirectoryData* copy) { return !IsEmptyIn(*copy, i); })) {
            emptied.push_back(FieldText(merged.entries[i].slot_id));
        }
    }
    return emptied;
}

// Removes from `group` the members naming one of `emptied`, keeping the others in their order.
void DropMembers(DialEntry& group, const std::vector<std::string_view>& emptied,
                 std::vector<DroppedMember>* dropped) {
    const std::size_t used = std::min<std::size_t>(group.member_count, group.members.size());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < used; ++i) {
        const SlotId member = group.members[i];
        if (std::find(emptied.begin(), emptied.end(), FieldText(member)) != emptied.end()) {
            dropped->push_back({TextOf(group.slot_id), TextOf(member)});
        } else {
            group.members[kept++] = member;
        }
    }
    std::fill(group.members.begin() + static_cast<std::ptrdiff_t>(kept), group.members.end(), SlotId{});
    group.member_count = static_cast<std::uint16_t>(kept);
}

}  // namespace

MergeSide MergeSlot::Taken() const {
    switch (change) {
        case SlotChange::PrinterOnly:
            return MergeSide::Printer;
        case SlotChange::Conflict:
            return choice;
        case SlotChange::HereOnly:
        case SlotChange::BothAlike:
            break;
    }
    return MergeSide::Here;
}

std::vector<MergeSlot> CompareThreeWay(const DirectoryData& base, const DirectoryData& printer,
                                       const DirectoryData& here) {
    std::vector<MergeSlot> slots;
    const auto add = [&slots](std::optional<SlotChange> change, MergePart part, std::size_t index,
                              std::string id) {
        if (change) slots.push_back({part, index, std::move(id), *change});
    };
    const std::size_t entries = std::min({base.entries.size(), printer.entries.size(), here.entries.size()});
    for (std::size_t i = 0; i < entries; ++i) {
        add(ChangeOf(base.entries[i], printer.entries[i], here.entries[i], SameEntry), MergePart::Dial, i,
            TextOf(here.entries[i].slot_id));
    }
    add(ChangeOf(base.sender, printer.sender, here.sender, SameSender), MergePart::Sender, 0, "sender");
    const std::size_t rejects = std::min({base.rejects.size(), printer.rejects.size(), here.rejects.size()});
    for (std::size_t i = 0; i < rejects; ++i) {
        add(ChangeOf(base.rejects[i], printer.rejects[i], here.rejects[i], SameReject), MergePart::Reject, i,
            "rejected " + TextOf(here.rejects[i].slot_id));
    }
    return slots;
}

bool HasConflict(const std::vector<MergeSlot>& slots) {
    return std::any_of(slots.begin(), slots.end(),
                       [](const MergeSlot& slot) { return slot.change == SlotChange::Conflict; });
}

void ChooseForConflicts(std::vector<MergeSlot>& slots, MergeSide side) {
    for (MergeSlot& slot : slots) {
        if (slot.change == SlotChange::Conflict) slot.choice = side;
    }
}

MergeResult MergeDirectories(const DirectoryData& base, const DirectoryData& printer,
                             const DirectoryData& here, const std::vector<MergeSlot>& slots) {
    MergeResult result{here, {}};
    DirectoryData& merged = result.merged;
    for (const MergeSlot& slot : slots) {
        if (slot.Taken() != MergeSide::Printer) continue;
        switch (slot.part) {
            case MergePart::Dial:
                merged.entries[slot.index] = printer.entries[slot.index];
                break;
            case MergePart::Sender:
                merged.sender = printer.sender;
                break;
            case MergePart::Reject:
                merged.rejects[slot.index] = printer.rejects[slot.index];
                break;
        }
    }
    const std::vector<std::string_view> emptied = EmptiedSlots(merged, {&base, &printer, &here});
    for (DialEntry& entry : merged.entries) {
        if (entry.kind == EntryKind::Group) DropMembers(entry, emptied, &result.dropped);
    }
    return result;
}

}  // namespace orvane
