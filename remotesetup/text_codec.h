// Conversions of the printer's bytes: names in the device character table, numbers, slot IDs and
// capability texts in ASCII, to the program's UTF-16 and to UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "text/utf_text.h"

namespace orvane {

// A name in the printer's character code (up to its first zero byte) as UTF-16; a byte without a
// row in the device character table becomes `unmapped`.
std::u16string DeviceNameToUtf16(std::string_view bytes, char16_t unmapped = u'\uFFFD');

// The same name as UTF-8.
std::string DeviceNameToUtf8(std::string_view bytes);

// An ASCII field (number, slot ID, capability text) up to its first zero byte as UTF-8; any byte
// above 0x7F becomes U+FFFD.
std::string AsciiFieldToUtf8(std::string_view bytes);

}  // namespace orvane
