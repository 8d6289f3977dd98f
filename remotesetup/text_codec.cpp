#include "remotesetup/text_codec.h"

#include "remotesetup/device_charset.h"

namespace orvane {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

std::u16string DeviceNameToUtf16(std::string_view bytes, char16_t unmapped) {
    std::u16string out;
    for (char byte : bytes.substr(0, bytes.find('\0'))) {
        out += UnitForDeviceByte(static_cast<std::uint8_t>(byte)).value_or(unmapped);
    }
    return out;
}

std::string DeviceNameToUtf8(std::string_view bytes) {
    return Utf16ToUtf8(DeviceNameToUtf16(bytes));
}

std::string AsciiFieldToUtf8(std::string_view bytes) {
    std::string out;
    for (char byte : bytes.substr(0, bytes.find('\0'))) {
        AppendUtf8(static_cast<unsigned char>(byte) < 0x80 ? static_cast<char32_t>(byte) : kReplacement,
                   &out);
    }
    return out;
}

}  // namespace orvane
