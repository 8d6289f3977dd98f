// Feeds arbitrary capabilities and payload bytes to the three sequential readers of printer data, then
// encodes whatever they produced, and runs the character conversions over the same bytes.
//
// Input: one flag byte (bit 0: keycode "type1"; bit 1: raw numbers), 18 bytes for the 18 capability
// numbers, then the payload. In the default mode the bytes form (max, current) pairs with the current
// value at most one above its max, so most capabilities pass and the readers get exercised; raw mode
// spreads signed values to reach the refusals.
#include "remotesetup/device_charset.h"
#include "remotesetup/remote_setup.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kHeaderSize = 19;

orvane::CapabilityTexts TextsFrom(const std::uint8_t* header) {
    const bool raw = (header[0] & 2) != 0;
    orvane::CapabilityTexts texts = {"RSD1", "ascii", (header[0] & 1) != 0 ? "type1" : "type2"};
    for (std::size_t pair = 0; pair < 9; ++pair) {
        const std::uint8_t max_byte = header[1 + 2 * pair];
        const std::uint8_t current_byte = header[2 + 2 * pair];
        const int max = raw ? static_cast<std::int8_t>(max_byte) * 9 : max_byte % 128;
        const int current = raw ? static_cast<std::int8_t>(current_byte) * 9 : current_byte % (max + 2);
        texts[3 + 2 * pair] = std::to_string(max);
        texts[4 + 2 * pair] = std::to_string(current);
    }
    return texts;
}

void ExerciseCharset(std::string_view bytes) {
    std::vector<char16_t> wide(bytes.size() + 1);
    orvane::DeviceToWide(bytes, wide);
    std::vector<char> device(bytes.size() + 1);
    orvane::WideToDevice(std::u16string_view(wide.data(), bytes.size()), device);
    std::string masked(bytes);
    orvane::MaskUnsupportedBytes(masked, orvane::KeycodeSet::Kana);
    orvane::ParseCapabilityNumber(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderSize) return 0;
    const std::string_view payload(reinterpret_cast<const char*>(data) + kHeaderSize, size - kHeaderSize);
    ExerciseCharset(payload);

    orvane::CRSUFuncRemoteSetup setup;
    if (setup.ApplyCapability(TextsFrom(data)) != orvane::rs::kSuccess) return 0;
    if (setup.AllocateCopy(orvane::DirectoryCopy::Working) != orvane::rs::kSuccess) return 0;
    setup.DecodeSenderRecord(payload, orvane::DirectoryCopy::Working);
    setup.DecodeRejectRecords(payload, orvane::DirectoryCopy::Working);
    setup.DecodeDialRecords(payload, orvane::DirectoryCopy::Working);

    std::string encoded;
    if (setup.EncodePayload(&encoded) != orvane::rs::kSuccess) return 0;
    setup.AllocateCopy(orvane::DirectoryCopy::Baseline);
    setup.DecodeSenderRecord(encoded, orvane::DirectoryCopy::Baseline);
    setup.DecodeRejectRecords(encoded, orvane::DirectoryCopy::Baseline);
    setup.DecodeDialRecords(encoded, orvane::DirectoryCopy::Baseline);
    setup.IsModified();
    return 0;
}
