// Conversions between UTF-8 (files, the terminal, port names) and UTF-16 (the program's own texts),
// and the small text helpers built on them. Plain C++, shared by every layer from the transport up.
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

// `text` in double quotes, as UTF-8: how messages show names and numbers.
std::string QuotedText(std::u16string_view text);

// Joins `items` with `separator`.
std::string Joined(const std::vector<std::string>& items, std::string_view separator);

}  // namespace orvane
