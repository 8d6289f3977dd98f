#include "pages/directory_text.h"

#include "remotesetup/device_charset.h"
#include "remotesetup/directory_data.h"
#include "remotesetup/text_codec.h"

namespace orvane {

QString DeviceName(std::span<const char> field) {
    // The lists keep a byte without a row as U+0000, as the device character table reads it.
    return QString::fromStdU16String(DeviceNameToUtf16(FieldText(field), u'\0'));
}

bool StoreDeviceName(const QString& name, std::span<char> field) {
    return WideToDevice(WideText(name), field) >= 0;
}

std::string NarrowBytes(const QString& text) {
    return text.toUtf8().toStdString();
}

std::u16string WideText(const QString& text) {
    return text.toStdU16String();
}

QString NarrowText(std::span<const char> field, std::size_t max_bytes) {
    const std::string_view text = FieldText(field.first(std::min(field.size(), max_bytes)));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orvane
