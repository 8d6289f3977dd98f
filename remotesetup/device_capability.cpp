#include "remotesetup/device_capability.h"

#include <algorithm>
#include <limits>

namespace orvane {
namespace {

using NumberField = std::int32_t DeviceCapability::*;

// The 18 numbers in response order; they follow the three texts.
constexpr std::array<NumberField, 18> kNumberFields = {
    &DeviceCapability::max_onetouch_dial_num,    &DeviceCapability::current_onetouch_dial_num,
    &DeviceCapability::max_coded_dial_num,       &DeviceCapability::current_coded_dial_num,
    &DeviceCapability::max_tel_no_length,        &DeviceCapability::current_tel_no_length,
    &DeviceCapability::max_name_length,          &DeviceCapability::current_name_length,
    &DeviceCapability::max_email_address_length, &DeviceCapability::current_email_address_length,
    &DeviceCapability::max_user_tel_no_length,   &DeviceCapability::current_user_tel_no_length,
    &DeviceCapability::max_user_name_length,     &DeviceCapability::current_user_name_length,
    &DeviceCapability::max_reject_tel_num,       &DeviceCapability::current_reject_tel_num,
    &DeviceCapability::max_reject_tel_no_length, &DeviceCapability::current_reject_tel_no_length,
};
constexpr std::size_t kFirstNumber = kCapabilityFieldCount - kNumberFields.size();

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A "current_" value must fit both the wire field and the in-memory field.
bool FitsWithin(std::int32_t current, std::int32_t max, std::int32_t capacity) {
    return current <= max && current <= capacity;
}

bool CountsAreNameable(const DeviceCapability& c) {
    return FitsWithin(c.current_coded_dial_num, c.max_coded_dial_num, kMaxCodedSlots) &&
           c.max_coded_dial_num <= kMaxCodedSlots &&
           FitsWithin(c.current_onetouch_dial_num, c.max_onetouch_dial_num, kMaxOneTouchSlots) &&
           c.max_onetouch_dial_num <= kMaxOneTouchSlots &&
           FitsWithin(c.current_reject_tel_num, c.max_reject_tel_num, kMaxRejectSlots) &&
           c.max_reject_tel_num <= kMaxRejectSlots;
}

bool LengthsFitFields(const DeviceCapability& c) {
    constexpr std::int32_t kUnbounded = std::numeric_limits<std::int32_t>::max();
    return FitsWithin(c.current_name_length, c.max_name_length, kMaxNameLength) &&
           FitsWithin(c.current_tel_no_length, c.max_tel_no_length, kMaxNumberLength) &&
           FitsWithin(c.current_reject_tel_no_length, c.max_reject_tel_no_length, kMaxRejectNumberLength) &&
           FitsWithin(c.current_user_name_length, c.max_user_name_length, kUnbounded) &&
           FitsWithin(c.current_user_tel_no_length, c.max_user_tel_no_length, kUnbounded);
}

bool IsAcceptable(const DeviceCapability& c) {
    for (NumberField field : kNumberFields) {
        if (c.*field < 0) return false;
    }
    // Counts are at most 999 and widths below 2^31 by now, so the sizes cannot overflow.
    return CountsAreNameable(c) && LengthsFitFields(c) &&
           PayloadSizesFor(c).Total() + kResponseDocumentRoom <= kMaxPayloadBytes;
}

}  // namespace

std::int32_t ParseCapabilityNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = std::min(value * 10 + (text[pos] - '0'), kLimit);
    }
    if (negative) return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(std::min(value, kLimit - 1));
}

RsResult ParseCapability(const CapabilityTexts& texts, DeviceCapability* out) {
    DeviceCapability parsed;
    parsed.support_data_format = texts[0];
    parsed.character_code = texts[1];
    parsed.keycode_type = texts[2];
    for (std::size_t i = 0; i < kNumberFields.size(); ++i) {
        parsed.*kNumberFields[i] = ParseCapabilityNumber(texts[kFirstNumber + i]);
    }
    if (!IsAcceptable(parsed)) return rs::kCapabilityUnsupported;
    *out = std::move(parsed);
    return rs::kSuccess;
}

CapabilityTexts DeviceCapability::ToTexts() const {
    CapabilityTexts texts;
    texts[0] = support_data_format;
    texts[1] = character_code;
    texts[2] = keycode_type;
    for (std::size_t i = 0; i < kNumberFields.size(); ++i) {
        texts[kFirstNumber + i] = std::to_string(this->*kNumberFields[i]);
    }
    return texts;
}

PayloadSizes PayloadSizesFor(const DeviceCapability& c) {
    const auto slots = static_cast<std::size_t>(c.max_coded_dial_num) + c.max_onetouch_dial_num;
    PayloadSizes sizes;
    sizes.dial = slots * (static_cast<std::size_t>(c.max_name_length) + c.max_tel_no_length + 16);
    sizes.sender = static_cast<std::size_t>(c.max_user_name_length) + c.max_user_tel_no_length + 8;
    sizes.reject = (static_cast<std::size_t>(c.max_reject_tel_no_length) + 11) * c.max_reject_tel_num;
    return sizes;
}

}  // namespace orvane
