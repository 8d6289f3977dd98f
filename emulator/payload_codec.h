// The printer's own code for the remote-setup payload: encoding the directory for ReceiveData and
// checking and decoding what SendData brings.
#pragma once

#include <string>
#include <string_view>

#include "emulator/capability.h"
#include "emulator/directory.h"

namespace orvane::sim {

// The payload of a ReceiveData answer: dial records in the directory's order, the sender record, then
// the reject records (or `reject_records_when_empty` empty ones when the printer holds no reject slots).
std::string EncodePayload(const Directory& directory, const Widths& widths);

// The group bitmap of a member list: `number_width` bytes, bit k set for the k-th slot of BitmapSlotIds.
std::string EncodeGroupBitmap(const std::vector<std::string>& members, const Widths& widths);

// The exact byte count of the payload the printer expects for this directory shape.
std::size_t PayloadSize(const Directory& shape, const Widths& widths);

// Decodes a SendData payload into `directory`, whose slot IDs and order give the expected records.
// Records of every slot must be present exactly once in any order, followed by the sender record and
// the reject records in slot order, nothing after. Returns an empty text on success, else the reason;
// `directory` is changed only on success.
std::string DecodePayload(std::string_view bytes, const Widths& widths, Directory& directory);

}  // namespace orvane::sim
