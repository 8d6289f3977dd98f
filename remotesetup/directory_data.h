// One copy of the fax directory: dial entries, sender information and rejected numbers, with the
// fixed-size text fields the printer's records are read into.
#pragma once

#include "remotesetup/device_capability.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace orvane {

// A slot ID cell: "01" or "*00", zero terminated when shorter than 4 characters.
using SlotId = std::array<char, 4>;

// Capacities of the in-memory text fields, terminator included.
inline constexpr std::size_t kNameFieldSize = kMaxNameLength + 1;
inline constexpr std::size_t kNumberFieldSize = kMaxNumberLength + 1;
inline constexpr std::size_t kRejectNumberFieldSize = kMaxRejectNumberLength + 1;
inline constexpr std::size_t kRejectSlotIdSize = 3;

// What a dial slot holds.
enum class EntryKind : std::uint8_t {
    Empty = 0,       // nothing
    Individual = 1,  // a name and a fax number
    Group = 2,       // a name and member slots
};

// One dial slot (one-touch or coded).
struct DialEntry {
    bool coded = false;  // true when the slot ID contains "*"
    SlotId slot_id{};    // set only by a read from the printer
    EntryKind kind = EntryKind::Empty;
    std::array<char, kNameFieldSize> name{};      // device character code, zero terminated
    std::array<char, kNumberFieldSize> number{};  // ANSI, zero terminated; empty for groups
    std::uint16_t member_count = 0;               // used cells of `members`
    std::vector<SlotId> members;                  // always N cells; unused cells are zero
};

// One reject slot.
struct RejectEntry {
    std::array<char, kRejectSlotIdSize> slot_id{};      // "01", "02", ... as the printer sent it
    std::array<char, kRejectNumberFieldSize> number{};  // ANSI, zero terminated
};

// The sender information printed on outgoing faxes.
struct SenderInfo {
    std::vector<char> name;    // current_user_name_length + 1 bytes, device character code
    std::vector<char> number;  // current_user_tel_no_length + 1 bytes, ANSI
};

// One copy of the directory: N dial entries in the printer's order, the sender, R reject entries.
struct DirectoryData {
    std::vector<DialEntry> entries;
    SenderInfo sender;
    std::vector<RejectEntry> rejects;
};

// Selects one of the four copies held by CRSUFuncRemoteSetup.
enum class DirectoryCopy : int {
    Baseline = 0,     // as last read from or written to the printer
    Working = 1,      // the copy the pages edit, write and save
    DeviceCheck = 2,  // read back before a write to detect changes on the printer
    FileImport = 3,   // filled from a directory file during a load
};

// Number of copies.
inline constexpr int kDirectoryCopyCount = 4;

// The text in a fixed-size field: up to its first zero byte, or the whole field when it has none.
std::string_view FieldText(std::span<const char> field);

// True when `field` holds a zero byte, so its text is terminated.
bool FieldIsTerminated(std::span<const char> field);

// Stores `text` (cut at its first zero byte) in `field` and zero-fills the rest, so copies compare
// by content. Returns false, leaving `field` unchanged, when it does not fit with its terminator.
bool StoreText(std::span<char> field, std::string_view text);

// The slot ID "%02d" of `value` (one-touch and reject slots, from 1) or, when `coded`, "*%02d" of
// `value` (coded slots, from 0); cut to 4 characters, zero terminated when shorter.
SlotId MakeSlotId(bool coded, int value);

// A zeroed copy shaped by the capability: N entries of N member cells each, sender buffers of the
// "current_" lengths + 1, R reject entries. Throws std::bad_alloc when memory runs out.
DirectoryData MakeDirectory(const DeviceCapability& capability);

// True when every part of `data` has the shape MakeDirectory gives for `capability`.
bool HasShape(const DirectoryData& data, const DeviceCapability& capability);

// Empties the contents of `data` and keeps slot IDs and coded flags.
void ClearContents(DirectoryData& data);

// True when the two entries hold the same slot: texts compared as texts, slot IDs and member cells
// byte for byte, the other fields by value.
bool SameEntry(const DialEntry& a, const DialEntry& b);

// True when the two reject entries have the same slot ID and number.
bool SameReject(const RejectEntry& a, const RejectEntry& b);

// True when the two senders have the same name and number (as texts).
bool SameSender(const SenderInfo& a, const SenderInfo& b);

// True when the two copies hold the same directory: sender name and number and every text field as
// texts, slot IDs, reject slot IDs and member cells byte for byte, and the other fields by value.
bool SameDirectory(const DirectoryData& a, const DirectoryData& b);

}  // namespace orvane
