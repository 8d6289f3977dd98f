// The printer's one-byte character code for names: a fixed table of 214 rows pairing a UTF-16
// code unit with a byte, the two keycode sets, and the conversions between UTF-16 and bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orvane {

// One row of the device character table.
struct DeviceCharRow {
    char16_t unit;      // the UTF-16 code unit
    std::uint8_t byte;  // the printer's byte for it
};

// Number of rows of the device character table.
inline constexpr std::size_t kDeviceCharRowCount = 214;

// The device character table in its fixed order.
std::span<const DeviceCharRow> DeviceCharTable();

// The byte of the row for `unit`, or nothing when the table has no row for it.
std::optional<std::uint8_t> DeviceByteFor(char16_t unit);

// The code unit of the first row with `byte`, or nothing when no row has it.
std::optional<char16_t> UnitForDeviceByte(std::uint8_t byte);

// Which rows a printer's names may use, chosen by its keycode_type.
enum class KeycodeSet {
    Kana,   // "type1": ASCII and half-width kana
    Latin,  // any other text: ASCII and accented Latin letters
};

// The keycode set of a keycode_type text: Kana for exactly "type1", Latin otherwise.
KeycodeSet KeycodeSetFor(std::string_view keycode_type);

// True when `byte` has a row and that row may be typed under `set`.
bool DeviceByteUsable(std::uint8_t byte, KeycodeSet set);

// Replaces in place, with ".", every byte that has a row the keycode set does not allow (accented
// Latin under Kana, kana under Latin). Zero bytes and bytes without a row are left.
void MaskUnsupportedBytes(std::span<char> bytes, KeycodeSet set);

// Converts a UTF-16 name into zero-terminated device bytes. Fails with -1 when `out` is smaller than
// text.size() + 1; otherwise zero-fills `out`, maps each unit through the table (a unit without a
// row ends the name) and returns the number of bytes before the terminator.
int WideToDevice(std::u16string_view text, std::span<char> out);

// Converts zero-terminated device bytes into zero-terminated UTF-16. Fails with -1 when `bytes`
// holds no zero byte or `out` is smaller than the length + 1; otherwise maps each byte to its row
// (a byte without a row becomes U+0000) and returns the length before the first zero byte.
int DeviceToWide(std::string_view bytes, std::span<char16_t> out);

}  // namespace orvane
