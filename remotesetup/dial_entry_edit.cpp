#include "remotesetup/dial_entry_edit.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "remotesetup/device_charset.h"

namespace orvane {
namespace {

template <typename Directory>
auto FindIn(Directory& directory, std::string_view slot_id) -> decltype(&directory.entries.front()) {
    const SlotId wanted = NarrowSlotId(slot_id);
    for (auto& entry : directory.entries) {
        if (SameSlotId(entry.slot_id, wanted)) return &entry;
    }
    return nullptr;
}

void ClearMembers(DialEntry& entry) {
    entry.member_count = 0;
    std::fill(entry.members.begin(), entry.members.end(), SlotId{});
}

bool StoreDeviceName(std::u16string_view name, std::span<char> field) {
    return WideToDevice(name, field) >= 0;
}

}  // namespace

int FieldLimit(std::int32_t printer_limit, std::size_t field_size) {
    return static_cast<int>(
        std::clamp<std::int64_t>(printer_limit, 0, static_cast<std::int64_t>(field_size) - 1));
}

SlotId NarrowSlotId(std::string_view text) {
    SlotId id{};
    std::copy_n(text.data(), std::min(text.size(), id.size()), id.begin());
    return id;
}

bool SameSlotId(const SlotId& a, const SlotId& b) {
    return std::strncmp(a.data(), b.data(), a.size()) == 0;
}

DialEntry* FindDialEntry(DirectoryData& directory, std::string_view slot_id) {
    return FindIn(directory, slot_id);
}

const DialEntry* FindDialEntry(const DirectoryData& directory, std::string_view slot_id) {
    return FindIn(directory, slot_id);
}

bool ListsMember(const DialEntry& group, const SlotId& slot_id) {
    const auto used = group.members.begin() + std::min<std::size_t>(group.member_count, group.members.size());
    return std::any_of(group.members.begin(), used,
                       [&slot_id](const SlotId& cell) { return SameSlotId(cell, slot_id); });
}

void EmptyDialEntry(DialEntry& entry) {
    entry.kind = EntryKind::Empty;
    entry.name.fill('\0');
    entry.number.fill('\0');
    ClearMembers(entry);
}

bool StoreIndividualEntry(DialEntry& entry, std::string_view number, std::u16string_view name) {
    std::array<char, kNameFieldSize> device_name{};
    std::array<char, kNumberFieldSize> narrow_number{};
    if (!StoreDeviceName(name, device_name) || !StoreText(narrow_number, number)) return false;
    entry.kind = EntryKind::Individual;
    entry.name = device_name;
    entry.number = narrow_number;
    return true;
}

bool StoreGroupEntry(DialEntry& entry, std::u16string_view name, const std::vector<std::string>& members) {
    std::array<char, kNameFieldSize> device_name{};
    if (!StoreDeviceName(name, device_name) || members.size() > entry.members.size()) return false;
    ClearMembers(entry);
    entry.kind = EntryKind::Group;
    entry.name = device_name;
    for (std::size_t i = 0; i < members.size(); ++i) entry.members[i] = NarrowSlotId(members[i]);
    entry.member_count = static_cast<std::uint16_t>(members.size());
    return true;
}

}  // namespace orvane
