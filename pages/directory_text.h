// Texts of the Working copy as the lists show them.
#pragma once

#include <QString>
#include <cstddef>
#include <span>

namespace orvane {

// A name field in the printer's character code, through the device character table; a byte without
// a row becomes U+0000.
QString DeviceName(std::span<const char> field);

// Stores `name` in `field` in the printer's character code, one byte per character through the
// device character table (a character without a code ends the name), the rest zero-filled. False,
// with `field` unchanged, when the name and its terminator do not fit.
bool StoreDeviceName(const QString& name, std::span<char> field);

// A narrow (UTF-8) field, at most `max_bytes` bytes up to its first zero byte.
QString NarrowText(std::span<const char> field, std::size_t max_bytes);

}  // namespace orvane
