#include "remotesetup/device_charset.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

// Accented lower-case letters in byte order from 0x80; their upper-case rows from 0xE0 follow the
// same order, 0x20 lower in Latin-1.
constexpr std::array<char16_t, 28> kAccentedLower = {
    u'\u00E5', u'\u00E4', u'\u00E1', u'\u00E0', u'\u00E3', u'\u00E2', u'\u00EB',
    u'\u00E9', u'\u00E8', u'\u00EA', u'\u00EF', u'\u00ED', u'\u00EC', u'\u00EE',
    u'\u00F1', u'\u00F6', u'\u00F3', u'\u00F2', u'\u00F5', u'\u00F4', u'\u00FC',
    u'\u00FA', u'\u00F9', u'\u00FB', u'\u00FD', u'\u00F8', u'\u00E6', u'\u00E7',
};
constexpr char16_t kLowerThorn = u'\u00FE';
constexpr char16_t kFirstHalfWidth = u'\uFF61';
constexpr char16_t kLastHalfWidth = u'\uFF9F';
constexpr std::uint8_t kFirstKanaByte = 0xA1;
constexpr char16_t kUpperCaseOffset = 0x20;

constexpr std::array<DeviceCharRow, kDeviceCharRowCount> BuildTable() {
    std::array<DeviceCharRow, kDeviceCharRowCount> rows{};
    std::size_t n = 0;
    for (char16_t c = 0x20; c <= 0x7D; ++c) {
        if (c != u'\\') rows[n++] = {c, static_cast<std::uint8_t>(c)};
    }
    for (std::size_t i = 0; i < kAccentedLower.size(); ++i) {
        rows[n++] = {kAccentedLower[i], static_cast<std::uint8_t>(0x80 + i)};
    }
    rows[n++] = {kLowerThorn, 0x9E};
    for (char16_t c = kFirstHalfWidth; c <= kLastHalfWidth; ++c) {
        rows[n++] = {c, static_cast<std::uint8_t>(kFirstKanaByte + (c - kFirstHalfWidth))};
    }
    for (std::size_t i = 0; i < kAccentedLower.size(); ++i) {
        rows[n++] = {static_cast<char16_t>(kAccentedLower[i] - kUpperCaseOffset),
                     static_cast<std::uint8_t>(0xE0 + i)};
    }
    rows[n++] = {static_cast<char16_t>(kLowerThorn - kUpperCaseOffset), 0xFE};
    return rows;
}

constexpr auto kTable = BuildTable();

// Byte to row lookup, 0 where no row has the byte (byte 0 never has one).
constexpr std::array<char16_t, 256> BuildByteToUnit() {
    std::array<char16_t, 256> units{};
    for (auto it = kTable.rbegin(); it != kTable.rend(); ++it) units[it->byte] = it->unit;
    return units;
}

// Latin-1 unit to byte lookup, 0 where the unit has no row; half-width kana are handled apart.
constexpr std::array<std::uint8_t, 256> BuildLatinToByte() {
    std::array<std::uint8_t, 256> bytes{};
    for (const DeviceCharRow& row : kTable) {
        if (row.unit < 0x100) bytes[row.unit] = row.byte;
    }
    return bytes;
}

constexpr auto kByteToUnit = BuildByteToUnit();
constexpr auto kLatinToByte = BuildLatinToByte();

bool InRange(std::uint8_t byte, std::uint8_t low, std::uint8_t high) {
    return byte >= low && byte <= high;
}

bool IsAccentedLatinByte(std::uint8_t byte) {
    return InRange(byte, 0x80, 0x9B) || byte == 0x9E || InRange(byte, 0xE0, 0xFB) || byte == 0xFE;
}

}  // namespace

std::span<const DeviceCharRow> DeviceCharTable() {
    return kTable;
}

std::optional<std::uint8_t> DeviceByteFor(char16_t unit) {
    if (unit >= kFirstHalfWidth && unit <= kLastHalfWidth) {
        return static_cast<std::uint8_t>(kFirstKanaByte + (unit - kFirstHalfWidth));
    }
    if (unit < 0x100 && kLatinToByte[unit] != 0) return kLatinToByte[unit];
    return std::nullopt;
}

std::optional<char16_t> UnitForDeviceByte(std::uint8_t byte) {
    if (kByteToUnit[byte] == 0) return std::nullopt;
    return kByteToUnit[byte];
}

KeycodeSet KeycodeSetFor(std::string_view keycode_type) {
    return keycode_type == "type1" ? KeycodeSet::Kana : KeycodeSet::Latin;
}

bool DeviceByteUsable(std::uint8_t byte, KeycodeSet set) {
    if (!UnitForDeviceByte(byte)) return false;
    if (InRange(byte, 0x20, 0x7D)) return true;
    return set == KeycodeSet::Kana ? InRange(byte, 0xA1, 0xDF) : IsAccentedLatinByte(byte);
}

void MaskUnsupportedBytes(std::span<char> bytes, KeycodeSet set) {
    for (char& c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (UnitForDeviceByte(byte) && !DeviceByteUsable(byte, set)) c = '.';
    }
}

int WideToDevice(std::u16string_view text, std::span<char> out) {
    if (out.size() < text.size() + 1) return -1;
    std::fill(out.begin(), out.end(), '\0');
    int length = 0;
    for (char16_t unit : text) {
        const std::optional<std::uint8_t> byte = DeviceByteFor(unit);
        if (!byte) break;
        out[length++] = static_cast<char>(*byte);
    }
    return length;
}

int DeviceToWide(std::string_view bytes, std::span<char16_t> out) {
    const std::size_t length = bytes.find('\0');
    if (length == std::string_view::npos || out.size() < length + 1) return -1;
    for (std::size_t i = 0; i < length; ++i) out[i] = kByteToUnit[static_cast<std::uint8_t>(bytes[i])];
    out[length] = u'\0';
    return static_cast<int>(length);
}

}  // namespace orvane
