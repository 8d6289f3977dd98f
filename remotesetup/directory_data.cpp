#include "remotesetup/directory_data.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace orvane {
namespace {

template <typename Field>
void Zero(Field& field) {
    std::fill(field.begin(), field.end(), '\0');
}

}  // namespace

bool SameEntry(const DialEntry& a, const DialEntry& b) {
    return a.coded == b.coded && a.kind == b.kind && a.slot_id == b.slot_id &&
           FieldText(a.name) == FieldText(b.name) && FieldText(a.number) == FieldText(b.number) &&
           a.member_count == b.member_count && a.members == b.members;
}

bool SameReject(const RejectEntry& a, const RejectEntry& b) {
    return a.slot_id == b.slot_id && FieldText(a.number) == FieldText(b.number);
}

bool SameSender(const SenderInfo& a, const SenderInfo& b) {
    return FieldText(a.name) == FieldText(b.name) && FieldText(a.number) == FieldText(b.number);
}

std::string_view FieldText(std::span<const char> field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return {field.data(), static_cast<std::size_t>(end - field.begin())};
}

bool FieldIsTerminated(std::span<const char> field) {
    return std::find(field.begin(), field.end(), '\0') != field.end();
}

bool StoreText(std::span<char> field, std::string_view text) {
    text = text.substr(0, text.find('\0'));
    if (text.size() >= field.size()) return false;
    std::fill(std::copy(text.begin(), text.end(), field.begin()), field.end(), '\0');
    return true;
}

SlotId MakeSlotId(bool coded, int value) {
    char text[16];
    std::snprintf(text, sizeof text, coded ? "*%02d" : "%02d", value);
    SlotId id{};
    std::memcpy(id.data(), text, std::min(std::strlen(text), id.size()));
    return id;
}

DirectoryData MakeDirectory(const DeviceCapability& capability) {
    const auto n = static_cast<std::size_t>(capability.DialSlotCount());
    DirectoryData data;
    DialEntry empty;
    empty.members.assign(n, SlotId{});
    data.entries.assign(n, empty);
    data.sender.name.assign(static_cast<std::size_t>(capability.current_user_name_length) + 1, '\0');
    data.sender.number.assign(static_cast<std::size_t>(capability.current_user_tel_no_length) + 1, '\0');
    data.rejects.assign(static_cast<std::size_t>(capability.RejectSlotCount()), RejectEntry{});
    return data;
}

bool HasShape(const DirectoryData& data, const DeviceCapability& capability) {
    const auto n = static_cast<std::size_t>(capability.DialSlotCount());
    const bool entries_fit =
        data.entries.size() == n && std::all_of(data.entries.begin(), data.entries.end(),
                                                [n](const DialEntry& e) { return e.members.size() == n; });
    return entries_fit &&
           data.sender.name.size() == static_cast<std::size_t>(capability.current_user_name_length) + 1 &&
           data.sender.number.size() == static_cast<std::size_t>(capability.current_user_tel_no_length) + 1 &&
           data.rejects.size() == static_cast<std::size_t>(capability.RejectSlotCount());
}

void ClearContents(DirectoryData& data) {
    for (DialEntry& entry : data.entries) {
        entry.kind = EntryKind::Empty;
        Zero(entry.name);
        Zero(entry.number);
        entry.member_count = 0;
        std::fill(entry.members.begin(), entry.members.end(), SlotId{});
    }
    Zero(data.sender.name);
    Zero(data.sender.number);
    for (RejectEntry& reject : data.rejects) Zero(reject.number);
}

bool SameDirectory(const DirectoryData& a, const DirectoryData& b) {
    return SameSender(a.sender, b.sender) &&
           std::equal(a.rejects.begin(), a.rejects.end(), b.rejects.begin(), b.rejects.end(), SameReject) &&
           std::equal(a.entries.begin(), a.entries.end(), b.entries.begin(), b.entries.end(), SameEntry);
}

}  // namespace orvane
