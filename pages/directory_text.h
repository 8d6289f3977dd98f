// Texts of the Working copy as the lists show them.
#pragma once

#include <QString>
#include <cstddef>
#include <span>
#include <string>

namespace orvane {

// A name field in the printer's character code, through the device character table; a byte without
// a row becomes U+0000.
QString DeviceName(std::span<const char> field);

// Stores `name` in `field` in the printer's character code, one byte per character through the
// device character table (a character without a code ends the name), the rest zero-filled. False,
// with `field` unchanged, when the name and its terminator do not fit.
bool StoreDeviceName(const QString& name, std::span<char> field);

// `text` as the UTF-8 bytes that narrow fields (numbers, slot IDs) and the editing rules take.
std::string NarrowBytes(const QString& text);

// `text` as the UTF-16 that the device-name rules take.
std::u16string WideText(const QString& text);

// A narrow (UTF-8) field, at most `max_bytes` bytes up to its first zero byte.
QString NarrowText(std::span<const char> field, std::size_t max_bytes);

}  // namespace orvane
