#include "remotesetup/internal/payload.h"

#include "remotesetup/device_charset.h"

#include <algorithm>
#include <string>

namespace orvane {
namespace {

constexpr std::string_view kSeparator = "\r\n";
constexpr std::size_t kTagSize = 2;

// Position of `tag` where it follows CR LF at or after `from`, or npos.
std::size_t FindSeparatedTag(std::string_view bytes, std::size_t from, std::string_view tag) {
    std::string pattern(kSeparator);
    pattern += tag;
    const std::size_t found = bytes.find(pattern, from);
    return found == std::string_view::npos ? found : found + kSeparator.size();
}

// Fills `field` with the bytes of `source` up to its first zero byte, at most `limit` of them and
// never more than the field holds with its terminator; the rest of the field becomes zero.
void CopyFieldText(std::string_view source, std::int32_t limit, std::span<char> field) {
    std::fill(field.begin(), field.end(), '\0');
    if (field.empty()) return;
    const std::size_t room = std::min({source.size(), static_cast<std::size_t>(limit), field.size() - 1});
    const std::string_view text = source.substr(0, room);
    std::copy(text.begin(), text.begin() + std::min(text.find('\0'), text.size()), field.begin());
}

// Stores the raw bytes of a slot ID, cut to the cell's size.
template <std::size_t N>
void StoreSlotBytes(std::string_view id, std::array<char, N>& cell) {
    cell.fill('\0');
    std::copy(id.begin(), id.begin() + std::min(id.size(), N), cell.begin());
}

void ResetEntry(DialEntry& entry) {
    entry.kind = EntryKind::Empty;
    entry.name.fill('\0');
    entry.number.fill('\0');
    entry.member_count = 0;
    std::fill(entry.members.begin(), entry.members.end(), SlotId{});
}

// Where the first dial record starts: at the beginning when it is "DI", else the first "GI".
std::size_t FirstDialRecord(std::string_view bytes) {
    return bytes.starts_with("DI") ? 0 : bytes.find("GI");
}

// Reads the dial record at `pos` into `entry` and returns the position after it, or npos.
std::size_t ReadDialRecord(const DeviceCapability& capability, std::string_view bytes, std::size_t pos,
                           DialEntry& entry) {
    if (pos == std::string_view::npos || bytes.size() - std::min(pos, bytes.size()) < kTagSize) {
        return std::string_view::npos;
    }
    const std::string_view tag = bytes.substr(pos, kTagSize);
    if (tag != "DI" && tag != "GI") return std::string_view::npos;
    const bool group = tag == "GI";
    const std::size_t id_start = pos + kTagSize;
    const std::size_t name_tag = FindSeparatedTag(bytes, id_start, group ? "GN" : "DN");
    if (name_tag == std::string_view::npos) return std::string_view::npos;
    const std::size_t name_start = name_tag + kTagSize;
    const auto name_width = static_cast<std::size_t>(capability.max_name_length);
    const auto number_width = static_cast<std::size_t>(capability.max_tel_no_length);
    // The name field is followed by CR LF and the number tag, the number field by CR LF.
    const std::size_t number_start = name_start + name_width + kSeparator.size() + kTagSize;
    const std::size_t record_end = number_start + number_width + kSeparator.size();
    if (record_end > bytes.size()) return std::string_view::npos;

    ResetEntry(entry);
    const std::string_view id = bytes.substr(id_start, name_tag - kSeparator.size() - id_start);
    StoreSlotBytes(id, entry.slot_id);
    entry.coded = FieldText(entry.slot_id).find('*') != std::string_view::npos;
    CopyFieldText(bytes.substr(name_start, name_width), capability.current_name_length, entry.name);
    const std::string_view number_field = bytes.substr(number_start, number_width);
    if (group) {
        DecodeGroupBitmap(number_field, capability.current_coded_dial_num,
                          capability.current_onetouch_dial_num, entry);
        entry.kind = EntryKind::Group;
    } else {
        CopyFieldText(number_field, capability.current_tel_no_length, entry.number);
        entry.kind = entry.number[0] != '\0' ? EntryKind::Individual : EntryKind::Empty;
    }
    return record_end;
}

}  // namespace

RsResult DecodeSenderRecord(const DeviceCapability& capability, std::string_view bytes, SenderInfo& sender) {
    // With no dial slots the sender record opens the payload, without a CR LF in front.
    const std::size_t name_tag = bytes.starts_with("KN") ? 0 : FindSeparatedTag(bytes, 0, "KN");
    if (name_tag == std::string_view::npos) return rs::kSenderRecordIncomplete;
    const std::size_t name_start = name_tag + kTagSize;
    const std::size_t number_tag = FindSeparatedTag(bytes, name_start, "KT");
    if (number_tag == std::string_view::npos) return rs::kSenderRecordIncomplete;
    const std::size_t number_start = number_tag + kTagSize;
    const std::size_t number_end = bytes.find(kSeparator, number_start);
    if (number_end == std::string_view::npos) return rs::kSenderRecordIncomplete;

    const std::string_view name = bytes.substr(name_start, number_tag - kSeparator.size() - name_start);
    CopyFieldText(name, capability.current_user_name_length, sender.name);
    MaskUnsupportedBytes(sender.name, KeycodeSetFor(capability.keycode_type));
    CopyFieldText(bytes.substr(number_start, number_end - number_start),
                  capability.current_user_tel_no_length, sender.number);
    return rs::kSuccess;
}

RsResult DecodeRejectRecords(const DeviceCapability& capability, std::string_view bytes,
                             std::span<RejectEntry> rejects) {
    std::size_t pos = 0;
    for (RejectEntry& reject : rejects) {
        constexpr std::size_t kMissing = std::string_view::npos;
        const std::size_t id_tag = FindSeparatedTag(bytes, pos, "RI");
        if (id_tag == kMissing) return rs::kRejectRecordsIncomplete;
        const std::size_t id_start = id_tag + kTagSize;
        const std::size_t number_tag = FindSeparatedTag(bytes, id_start, "RT");
        if (number_tag == kMissing) return rs::kRejectRecordsIncomplete;
        const std::size_t number_start = number_tag + kTagSize;
        const std::size_t number_end = bytes.find(kSeparator, number_start);
        if (number_end == kMissing) return rs::kRejectRecordsIncomplete;

        StoreSlotBytes(bytes.substr(id_start, number_tag - kSeparator.size() - id_start), reject.slot_id);
        CopyFieldText(bytes.substr(number_start, number_end - number_start),
                      capability.current_reject_tel_no_length, reject.number);
        pos = number_end;
    }
    return rs::kSuccess;
}

RsResult DecodeDialRecords(const DeviceCapability& capability, std::string_view bytes,
                           std::span<DialEntry> entries) {
    std::size_t pos = entries.empty() ? 0 : FirstDialRecord(bytes);
    for (DialEntry& entry : entries) {
        pos = ReadDialRecord(capability, bytes, pos, entry);
        if (pos == std::string_view::npos) return rs::kDialRecordsMalformed;
    }
    for (DialEntry& entry : entries) KeepFirstToneSwitch(entry.number);
    return rs::kSuccess;
}

}  // namespace orvane
