#include "pages/directory_text.h"

#include <vector>

#include "remotesetup/device_charset.h"
#include "remotesetup/directory_data.h"

namespace orvane {

QString DeviceName(std::span<const char> field) {
    const std::string_view bytes = FieldText(field);
    // DeviceToWide needs the terminator inside its input.
    const std::string terminated(bytes);
    std::vector<char16_t> wide(terminated.size() + 1);
    const int length = DeviceToWide(std::string_view(terminated.c_str(), terminated.size() + 1), wide);
    if (length < 0) return {};
    return QString::fromUtf16(wide.data(), length);
}

bool StoreDeviceName(const QString& name, std::span<char> field) {
    const std::u16string_view wide(reinterpret_cast<const char16_t*>(name.utf16()),
                                   static_cast<std::size_t>(name.size()));
    return WideToDevice(wide, field) >= 0;
}

QString NarrowText(std::span<const char> field, std::size_t max_bytes) {
    const std::string_view text = FieldText(field.first(std::min(field.size(), max_bytes)));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orvane
