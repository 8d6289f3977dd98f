// The readers of directory file data. Each record is found by its slot ID, not by its place, so that
// a file with records missing, in another order or from a printer with other slots fits into the
// slots of this printer.
#include "remotesetup/device_charset.h"
#include "remotesetup/internal/directory_file_document.h"
#include "remotesetup/internal/directory_file_records.h"
#include "remotesetup/internal/payload.h"
#include "remotesetup/remote_setup.h"

#include <algorithm>
#include <new>
#include <string>

namespace orvane {
namespace {

constexpr std::string_view kSeparator = "\r\n";
constexpr std::size_t kTagSize = 2;
constexpr std::size_t kMissing = std::string_view::npos;

// The slot layout of the printer that wrote a file, from the file's capability document.
struct FileLayout {
    std::size_t coded = 0;         // coded slots, first in its group bitmaps
    std::size_t onetouch = 0;      // one-touch slots, after them
    std::size_t number_width = 0;  // width of its number and bitmap fields
};

std::size_t FileNumber(const CapabilityTexts& fields, CapabilityField field) {
    return static_cast<std::size_t>(std::max(0, ParseCapabilityNumber(CapabilityText(fields, field))));
}

RsResult ReadFileLayout(std::string_view bytes, FileLayout* layout) {
    CapabilityTexts fields;
    if (const RsResult result = ParseCapabilityDocument(bytes, &fields); result != rs::kSuccess)
        return result;
    layout->coded = FileNumber(fields, CapabilityField::current_coded_dial_num);
    layout->onetouch = FileNumber(fields, CapabilityField::current_onetouch_dial_num);
    layout->number_width = FileNumber(fields, CapabilityField::max_tel_no_length);
    return rs::kSuccess;
}

// The offset just past CR LF `tag` at or after `from`, or kMissing.
std::size_t FindTag(std::string_view bytes, std::size_t from, std::string_view tag) {
    std::string pattern(kSeparator);
    pattern += tag;
    const std::size_t found = bytes.find(pattern, from);
    return found == kMissing ? kMissing : found + pattern.size();
}

// Stores the bytes of `source` up to its first zero byte, at most `limit` of them, in `field`.
void StoreLimited(std::span<char> field, std::string_view source, std::int32_t limit) {
    const std::size_t room = std::min(static_cast<std::size_t>(std::max(0, limit)), field.size() - 1);
    StoreText(field, source.substr(0, room));
}

// Where a group bitmap ends: after exactly `width` bytes when CR LF follows there (the bitmap's own
// bytes may form CR LF), else at the next CR LF; kMissing when there is none.
std::size_t BitmapEnd(std::string_view bytes, std::size_t start, std::size_t width) {
    if (width <= bytes.size() - start && bytes.substr(start + width).starts_with(kSeparator)) {
        return start + width;
    }
    return bytes.find(kSeparator, start);
}

bool BitIsSet(std::string_view bitmap, std::size_t bit) {
    return (static_cast<unsigned char>(bitmap[bit / 8]) >> (bit % 8)) & 1u;
}

// A group bitmap in this printer's layout (`coded` coded bits, then `onetouch` one-touch bits) from
// one in the file's layout. Each member keeps its slot; members naming a slot this printer lacks
// are dropped, so the member table never receives more members than this printer has slots.
std::string RefitBitmap(std::string_view file_bitmap, const FileLayout& file, std::size_t coded,
                        std::size_t onetouch) {
    std::string bitmap((coded + onetouch + 7) / 8, '\0');
    const std::size_t bits = std::min(file_bitmap.size() * 8, file.coded + file.onetouch);
    for (std::size_t bit = 0; bit < bits; ++bit) {
        const bool is_coded = bit < file.coded;
        const std::size_t slot = is_coded ? bit : bit - file.coded;
        if (!BitIsSet(file_bitmap, bit) || slot >= (is_coded ? coded : onetouch)) continue;
        const std::size_t target = is_coded ? slot : coded + slot;
        bitmap[target / 8] =
            static_cast<char>(static_cast<unsigned char>(bitmap[target / 8]) | (1u << (target % 8)));
    }
    return bitmap;
}

void ImportGroup(const DeviceCapability& capability, const FileLayout& file, std::string_view bitmap,
                 DialEntry& entry) {
    const std::string refitted =
        RefitBitmap(bitmap, file, static_cast<std::size_t>(capability.current_coded_dial_num),
                    static_cast<std::size_t>(capability.current_onetouch_dial_num));
    DecodeGroupBitmap(refitted, capability.current_coded_dial_num, capability.current_onetouch_dial_num,
                      entry);
    entry.kind = entry.member_count > 0 ? EntryKind::Group : EntryKind::Empty;
}

void ImportIndividual(const DeviceCapability& capability, std::string_view field, DialEntry& entry) {
    std::string number(field.substr(0, field.find('\0')));
    number.push_back('\0');
    KeepFirstToneSwitch(number);
    StoreLimited(entry.number, number, capability.current_tel_no_length);
    entry.kind = entry.number[0] != '\0' ? EntryKind::Individual : EntryKind::Empty;
}

// Reads the record of `entry` when the file has one; `*pos` then moves to its closing CR LF.
RsResult ImportDialRecord(const DeviceCapability& capability, const FileLayout& file, std::string_view bytes,
                          std::size_t* pos, DialEntry& entry) {
    const std::string_view id = FieldText(entry.slot_id);
    if (id.empty()) return rs::kUnterminatedText;
    bool group = false;
    std::size_t id_end = FindRecord(bytes, *pos, "DI", id);
    if (id_end == kMissing) {
        group = true;
        id_end = FindRecord(bytes, *pos, "GI", id);
        if (id_end == kMissing) return rs::kSuccess;
    }
    const std::size_t name_start = FindTag(bytes, id_end, group ? "GN" : "DN");
    const std::size_t field_start =
        name_start == kMissing ? kMissing : FindTag(bytes, name_start, group ? "GT" : "DT");
    if (field_start == kMissing) return rs::kFileMalformed;
    const std::size_t field_end =
        group ? BitmapEnd(bytes, field_start, file.number_width) : bytes.find(kSeparator, field_start);
    if (field_end == kMissing) return rs::kDialRecordUnterminated;

    const std::size_t name_end = field_start - kTagSize - kSeparator.size();
    StoreLimited(entry.name, bytes.substr(name_start, name_end - name_start), capability.current_name_length);
    MaskUnsupportedBytes(entry.name, KeycodeSetFor(capability.keycode_type));
    const std::string_view field =
        bytes.substr(field_start, std::min(field_end - field_start, file.number_width));
    if (group) {
        ImportGroup(capability, file, field, entry);
    } else {
        ImportIndividual(capability, field, entry);
    }
    // An entry left empty holds nothing, its name included.
    if (entry.kind == EntryKind::Empty) entry.name.fill('\0');
    *pos = field_end;
    return rs::kSuccess;
}

}  // namespace

std::size_t FindRecord(std::string_view bytes, std::size_t from, std::string_view tag, std::string_view id) {
    std::string pattern(kSeparator);
    pattern += tag;
    pattern += id;
    pattern += kSeparator;
    std::size_t found = bytes.find(pattern, from);
    if (found == kMissing && from > 0) found = bytes.find(pattern);
    return found == kMissing ? kMissing : found + pattern.size() - kSeparator.size();
}

RsResult CRSUFuncRemoteSetup::ImportRejectRecords(std::string_view bytes, DirectoryCopy copy) {
    RsResult result = rs::kSuccess;
    DirectoryData* data = ShapedCopy(copy, &result);
    if (data == nullptr) return result;
    std::size_t pos = 0;
    for (RejectEntry& reject : data->rejects) {
        const std::string_view id = FieldText(reject.slot_id);
        if (id.empty()) return rs::kUnterminatedText;
        const std::size_t id_end = FindRecord(bytes, pos, "RI", id);
        if (id_end == kMissing) continue;
        const std::size_t number_start = FindTag(bytes, id_end, "RT");
        const std::size_t number_end =
            number_start == kMissing ? kMissing : bytes.find(kSeparator, number_start);
        if (number_end == kMissing) return rs::kRejectRecordsIncomplete;
        StoreLimited(reject.number, bytes.substr(number_start, number_end - number_start),
                     capability_.current_reject_tel_no_length);
        pos = number_end;
    }
    return rs::kSuccess;
}

RsResult CRSUFuncRemoteSetup::ImportDialRecords(std::string_view bytes, DirectoryCopy copy) {
    RsResult result = rs::kSuccess;
    DirectoryData* data = ShapedCopy(copy, &result);
    if (data == nullptr) return result;
    try {
        FileLayout file;
        if ((result = ReadFileLayout(bytes, &file)) != rs::kSuccess) return result;
        std::size_t pos = 0;
        for (DialEntry& entry : data->entries) {
            result = ImportDialRecord(capability_, file, bytes, &pos, entry);
            if (result != rs::kSuccess) return result;
        }
    } catch (const std::bad_alloc&) {
        return rs::kOutOfMemory;
    }
    return rs::kSuccess;
}

}  // namespace orvane
