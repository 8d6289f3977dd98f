#include "remotesetup/directory_file.h"

#include "remotesetup/directory_file_io.h"
#include "remotesetup/internal/directory_file_document.h"
#include "remotesetup/internal/directory_file_records.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

namespace orvane {
namespace {

constexpr std::string_view kTagOpen = "<PID>";
constexpr std::string_view kTagClose = "</PID>";
// "<PID>" must start within this many bytes, and its number has at most this many characters.
constexpr std::size_t kTagSearchLength = 17;
constexpr std::size_t kTagNumberLength = 6;
constexpr std::string_view kSeparator = "\r\n";

bool NumbersFitTheFile(const DeviceCapability& capability) {
    const CapabilityTexts texts = capability.ToTexts();
    return std::ranges::all_of(kCapabilityFields, [&texts](CapabilityField field) {
        return !IsCapabilityNumber(field) || CapabilityText(texts, field).size() <= kMaxFileNumberDigits;
    });
}

// Where the record of slot `id` lies in a file, npos when it has none.
std::size_t RecordPosition(std::string_view plain, std::string_view id) {
    return std::min(FindRecord(plain, 0, "DI", id), FindRecord(plain, 0, "GI", id));
}

// Gives Working the slot IDs the capability names, ordered as the file's records are.
void AssignSlotsInFileOrder(std::string_view plain, const DeviceCapability& capability,
                            DirectoryData& working) {
    std::vector<std::pair<std::size_t, SlotId>> slots;
    for (int slot = 0; slot < capability.current_coded_dial_num; ++slot) {
        slots.emplace_back(0, MakeSlotId(true, slot));
    }
    for (int slot = 1; slot <= capability.current_onetouch_dial_num; ++slot) {
        slots.emplace_back(0, MakeSlotId(false, slot));
    }
    for (auto& [position, id] : slots) position = RecordPosition(plain, FieldText(id));
    std::stable_sort(slots.begin(), slots.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < slots.size(); ++i) {
        working.entries[i].slot_id = slots[i].second;
        working.entries[i].coded = FieldText(slots[i].second).starts_with('*');
    }
    for (std::size_t i = 0; i < working.rejects.size(); ++i) {
        StoreText(working.rejects[i].slot_id, FieldText(MakeSlotId(false, static_cast<int>(i) + 1)));
    }
}

}  // namespace

RsResult InvertBytes(std::span<char> bytes) {
    if (bytes.empty()) return rs::kEmptyInversionBuffer;
    for (char& byte : bytes) byte = static_cast<char>(~static_cast<unsigned char>(byte));
    return rs::kSuccess;
}

std::string FormatProductTag(std::uint16_t product_id) {
    char text[kProductTagSize];
    std::snprintf(text, sizeof text, "<PID>0x%04x</PID>", static_cast<unsigned>(product_id));
    return std::string(text, sizeof text);
}

RsResult ReadProductTag(std::string_view plain, std::uint16_t* product_id) {
    const std::size_t open = plain.substr(0, kTagSearchLength).find(kTagOpen);
    if (open == std::string_view::npos) return rs::kFileMalformed;
    std::string_view number = plain.substr(open + kTagOpen.size());
    number = number.substr(0, std::min(number.find(kTagClose), kTagNumberLength));
    // strtol stops at the first character that is not part of the number, a zero byte included.
    const std::string text(number);
    const auto value = static_cast<std::uint16_t>(std::strtol(text.c_str(), nullptr, 0));
    if (value == 0) return rs::kFileMalformed;
    *product_id = value;
    return rs::kSuccess;
}

RsResult CheckProductTag(std::string_view plain, std::uint16_t product_id) {
    std::uint16_t found = 0;
    if (const RsResult result = ReadProductTag(plain, &found); result != rs::kSuccess) return result;
    return found == product_id ? rs::kSuccess : rs::kOtherProduct;
}

RsResult ReadDirectoryFileBytes(const std::filesystem::path& path, std::string* plain) {
    const RsResult result = ReadWholeFile(path, kMaxDirectoryFileSize, plain);
    return result == rs::kSuccess ? InvertBytes(*plain) : result;
}

RsResult SetUpFromDirectoryBytes(std::string_view plain, CRSUFuncRemoteSetup& setup) {
    CapabilityTexts fields;
    RsResult result = ParseCapabilityDocument(plain, &fields);
    if (result == rs::kSuccess) result = setup.ApplyCapability(fields);
    if (result == rs::kSuccess) result = setup.AllocateCopy(DirectoryCopy::Working);
    if (result != rs::kSuccess) return result;
    try {
        AssignSlotsInFileOrder(plain, setup.Capability(), *setup.Copy(DirectoryCopy::Working));
    } catch (const std::bad_alloc&) {
        return rs::kOutOfMemory;
    }
    return setup.LoadDirectoryBytes(plain);
}

RsResult CRSUFuncRemoteSetup::EncodeDirectoryFile(std::uint16_t product_id, std::string* plain) const {
    if (product_id == 0) return rs::kFileMalformed;
    if (!NumbersFitTheFile(capability_)) return rs::kCapabilityUnsupported;
    try {
        std::string document;
        RsResult result = BuildCapabilityDocument(capability_.ToTexts(), &document);
        std::string payload;
        if (result == rs::kSuccess) result = EncodePayload(&payload);
        if (result != rs::kSuccess) return result;
        *plain = FormatProductTag(product_id);
        *plain += document;
        *plain += kSeparator;
        *plain += payload;
    } catch (const std::bad_alloc&) {
        return rs::kOutOfMemory;
    }
    return rs::kSuccess;
}

RsResult CRSUFuncRemoteSetup::SaveDirectoryFile(const std::filesystem::path& path,
                                                std::uint16_t product_id) const {
    std::string bytes;
    RsResult result = EncodeDirectoryFile(product_id, &bytes);
    if (result == rs::kSuccess) result = InvertBytes(bytes);
    return result == rs::kSuccess ? ReplaceFileContents(path, bytes) : result;
}

RsResult CRSUFuncRemoteSetup::CheckDirectoryFile(const std::filesystem::path& path,
                                                 std::uint16_t product_id) const {
    std::string plain;
    const RsResult result = ReadDirectoryFileBytes(path, &plain);
    return result == rs::kSuccess ? CheckProductTag(plain, product_id) : result;
}

RsResult CRSUFuncRemoteSetup::LoadDirectoryFile(const std::filesystem::path& path) {
    RsResult result = rs::kSuccess;
    if (ShapedCopy(DirectoryCopy::Working, &result) == nullptr) return result;
    std::string plain;
    result = ReadDirectoryFileBytes(path, &plain);
    return result == rs::kSuccess ? LoadDirectoryBytes(plain) : result;
}

RsResult CRSUFuncRemoteSetup::LoadDirectoryBytes(std::string_view plain) {
    // FileImport takes over Working's slot IDs and coded flags, the only thing the file is matched by.
    RsResult result = AllocateCopy(DirectoryCopy::FileImport);
    if (result == rs::kSuccess) result = CopyDirectory(DirectoryCopy::FileImport, DirectoryCopy::Working);
    if (result == rs::kSuccess) result = ClearCopy(DirectoryCopy::FileImport, ClearForm::Lenient);
    if (result == rs::kSuccess) result = DecodeSenderRecord(plain, DirectoryCopy::FileImport);
    if (result == rs::kSuccess) result = ImportRejectRecords(plain, DirectoryCopy::FileImport);
    if (result == rs::kSuccess) result = ImportDialRecords(plain, DirectoryCopy::FileImport);
    if (result == rs::kSuccess) result = ClearCopy(DirectoryCopy::Working);
    if (result == rs::kSuccess) result = CopyDirectory(DirectoryCopy::Working, DirectoryCopy::FileImport);
    FreeCopy(DirectoryCopy::FileImport);
    return result;
}

}  // namespace orvane
