#include "remotesetup/device_capability.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace orvane {
namespace {

using Field = CapabilityField;
using TextMember = std::string DeviceCapability::*;
using NumberMember = std::int32_t DeviceCapability::*;

// Where each capability field lives in the record.
constexpr std::pair<Field, TextMember> kTextMembers[] = {
    {Field::support_data_format, &DeviceCapability::support_data_format},
    {Field::character_code, &DeviceCapability::character_code},
    {Field::keycode_type, &DeviceCapability::keycode_type},
};
constexpr std::pair<Field, NumberMember> kNumberMembers[] = {
    {Field::max_onetouch_dial_num, &DeviceCapability::max_onetouch_dial_num},
    {Field::current_onetouch_dial_num, &DeviceCapability::current_onetouch_dial_num},
    {Field::max_coded_dial_num, &DeviceCapability::max_coded_dial_num},
    {Field::current_coded_dial_num, &DeviceCapability::current_coded_dial_num},
    {Field::max_tel_no_length, &DeviceCapability::max_tel_no_length},
    {Field::current_tel_no_length, &DeviceCapability::current_tel_no_length},
    {Field::max_name_length, &DeviceCapability::max_name_length},
    {Field::current_name_length, &DeviceCapability::current_name_length},
    {Field::max_email_address_length, &DeviceCapability::max_email_address_length},
    {Field::current_email_address_length, &DeviceCapability::current_email_address_length},
    {Field::max_user_tel_no_length, &DeviceCapability::max_user_tel_no_length},
    {Field::current_user_tel_no_length, &DeviceCapability::current_user_tel_no_length},
    {Field::max_user_name_length, &DeviceCapability::max_user_name_length},
    {Field::current_user_name_length, &DeviceCapability::current_user_name_length},
    {Field::max_reject_tel_num, &DeviceCapability::max_reject_tel_num},
    {Field::current_reject_tel_num, &DeviceCapability::current_reject_tel_num},
    {Field::max_reject_tel_no_length, &DeviceCapability::max_reject_tel_no_length},
    {Field::current_reject_tel_no_length, &DeviceCapability::current_reject_tel_no_length},
};
static_assert(std::size(kTextMembers) + std::size(kNumberMembers) == kCapabilityFieldCount);

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
    for (const auto& number : kNumberMembers) {
        if (c.*number.second < 0) return false;
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
    for (const auto& [field, member] : kTextMembers) parsed.*member = CapabilityText(texts, field);
    for (const auto& [field, member] : kNumberMembers) {
        parsed.*member = ParseCapabilityNumber(CapabilityText(texts, field));
    }
    if (!IsAcceptable(parsed)) return rs::kCapabilityUnsupported;
    *out = std::move(parsed);
    return rs::kSuccess;
}

CapabilityTexts DeviceCapability::ToTexts() const {
    CapabilityTexts texts;
    for (const auto& [field, member] : kTextMembers) CapabilityText(texts, field) = this->*member;
    for (const auto& [field, member] : kNumberMembers) {
        CapabilityText(texts, field) = std::to_string(this->*member);
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
