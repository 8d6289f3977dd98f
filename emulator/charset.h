// Conversion between UTF-8 and the printer's one-byte device character code.
#pragma once

#include <string>
#include <string_view>

namespace orvane::sim {

// Converts UTF-8 text to the printer's one-byte character code; false when a character has no row in
// the device character table or the UTF-8 is malformed (out is then unspecified).
bool Utf8ToDevice(std::string_view utf8, std::string& out);

// The UTF-8 text of one device byte, or an empty text when the byte has no row in the table.
std::string DeviceByteToUtf8(unsigned char byte);

}  // namespace orvane::sim
