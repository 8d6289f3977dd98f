// The payload: the directory as CR LF separated fixed-width text records (dial DI/DN/DT or
// GI/GN/GT, sender KN/KT, reject RI/RT), its writers and the sequential readers of printer data.
//
// Every function takes a capability that ParseCapability accepted; the field widths come from its
// "max_" values and the stored lengths from its "current_" values. Writers and readers never touch
// memory beyond the spans and records they are given.
#pragma once

#include "remotesetup/device_capability.h"
#include "remotesetup/directory_data.h"
#include "remotesetup/result_codes.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace orvane {

// Writes one dial record per entry, in order, into `out` and sets `*written`. Fails with
// kUnterminatedText when a slot ID, a used name or a used number has no terminator, when a name or
// number is wider than its wire field, or when `out` is too small.
RsResult EncodeDialRecords(const DeviceCapability& capability, std::span<const DialEntry> entries,
                           std::span<char> out, std::size_t* written);

// Writes the sender record (UNW + UTW + 8 bytes) into `out` and sets `*written`. Fails with
// kUnterminatedText like EncodeDialRecords.
RsResult EncodeSenderRecord(const DeviceCapability& capability, const SenderInfo& sender, std::span<char> out,
                            std::size_t* written);

// Writes one reject record per entry, or, when there are none, max_reject_tel_num empty records
// "01", "02", ...; sets `*written`. Fails with kUnterminatedText like EncodeDialRecords.
RsResult EncodeRejectRecords(const DeviceCapability& capability, std::span<const RejectEntry> rejects,
                             std::span<char> out, std::size_t* written);

// Fills `bitmap` with the group bitmap of `entry`: bit k (bit 0 of byte 0 first) stands for coded slot
// "*%02d" of k for k < coded_count, then one-touch slot "%02d" of k - coded_count + 1; a bit is set
// when a used member cell names that slot. Bits past coded_count + onetouch_count, or past the
// bitmap's end, stay zero.
void EncodeGroupBitmap(const DialEntry& entry, int coded_count, int onetouch_count, std::span<char> bitmap);

// Reads the sender record found after CR LF "KN" (or at the very start of `bytes`). The name is
// masked with the printer's keycode set. Fails with kSenderRecordIncomplete when a tag or the closing
// CR LF is missing.
RsResult DecodeSenderRecord(const DeviceCapability& capability, std::string_view bytes, SenderInfo& sender);

// Reads one reject record per entry of `rejects`, in order, from the start of `bytes`. Fails with
// kRejectRecordsIncomplete when a tag or a closing CR LF is missing; earlier entries stay filled.
RsResult DecodeRejectRecords(const DeviceCapability& capability, std::string_view bytes,
                             std::span<RejectEntry> rejects);

// Reads one dial record per entry of `entries` from the payload `bytes`, which begins with the first
// dial record; records follow each other by their fixed widths. Afterwards every number keeps only
// its first "T". Fails with kDialRecordsMalformed on an unknown tag, a missing name tag or a record
// cut short; earlier entries stay filled.
RsResult DecodeDialRecords(const DeviceCapability& capability, std::string_view bytes,
                           std::span<DialEntry> entries);

// Sets the members of `entry` from a group bitmap laid out as for EncodeGroupBitmap: one-touch members
// ascending, then coded members ascending. Members beyond the entry's member cells are dropped; the
// member count is the number stored. Kind, name and number are left alone.
void DecodeGroupBitmap(std::string_view bitmap, int coded_count, int onetouch_count, DialEntry& entry);

// Removes, in place, every "T" after the first one from the zero-terminated number in `number`.
void KeepFirstToneSwitch(std::span<char> number);

}  // namespace orvane
