// Conversions between the printer's bytes, UTF-16 (the program's own texts) and UTF-8 (files, the
// terminal and port names). Names use the device character table; numbers and slot IDs are ASCII.
// A library of its own, plain C++ without the rest of remotesetup/, so the transport shares it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Appends the UTF-8 form of the code point `code` (U+FFFD for a surrogate or a value beyond U+10FFFF).
void AppendUtf8(char32_t code, std::string* out);

// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or values beyond U+10FFFF).
bool IsValidUtf8(std::string_view text);

// UTF-8 to UTF-16; false (and `*out` unspecified) when `utf8` is not well-formed.
bool Utf8ToUtf16(std::string_view utf8, std::u16string* out);

// UTF-8 to the bytes of its UTF-16LE form (2 per code unit, no terminator); false (and `*out`
// unspecified) when `utf8` is not well-formed.
bool Utf8ToUtf16Le(std::string_view utf8, std::string* out);

// The first `count` code points of `utf8`, or all of it when it has fewer; it ends before the
// first malformed sequence.
std::string_view Utf8Prefix(std::string_view utf8, std::size_t count);

// The number of code points of `utf8`: every byte that is not a continuation byte counts one.
std::size_t CodePointCount(std::string_view utf8);

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

// A name in the printer's character code (up to its first zero byte) as UTF-16; a byte without a
// row in the device character table becomes `unmapped`.
std::u16string DeviceNameToUtf16(std::string_view bytes, char16_t unmapped = u'\uFFFD');

// The same name as UTF-8.
std::string DeviceNameToUtf8(std::string_view bytes);

// `text` in double quotes, as UTF-8: how messages show names and numbers.
std::string QuotedText(std::u16string_view text);

// Joins `items` with `separator`.
std::string Joined(const std::vector<std::string>& items, std::string_view separator);

// An ASCII field (number, slot ID, capability text) up to its first zero byte as UTF-8; any byte
// above 0x7F becomes U+FFFD.
std::string AsciiFieldToUtf8(std::string_view bytes);

}  // namespace orvane
