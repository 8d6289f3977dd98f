#include "emulator/capability.h"

#include <algorithm>
#include <cctype>

namespace orvane::sim {
namespace {

std::optional<std::size_t> FieldIndex(std::string_view field) {
    const auto it = std::find(kCapabilityFields.begin(), kCapabilityFields.end(), field);
    if (it == kCapabilityFields.end()) return std::nullopt;
    return static_cast<std::size_t>(it - kCapabilityFields.begin());
}

// Field values in field order: name and number limits of one profile.
Capability Make(std::array<std::string, kCapabilityFieldCount> values) {
    return Capability{std::move(values)};
}

long NonNegative(const Capability& c, std::string_view field) {
    return std::max(0L, c.Number(field));
}

}  // namespace

std::string Capability::Text(std::string_view field) const {
    const auto index = FieldIndex(field);
    return index ? values[*index] : std::string();
}

long Capability::Number(std::string_view field) const {
    const std::string text = Text(field);
    std::size_t pos = 0;
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    long value = 0;
    for (; pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) && value < 100000000;
         ++pos) {
        value = value * 10 + (text[pos] - '0');
    }
    return negative ? -value : value;
}

bool Capability::Set(std::string_view field, std::string_view value) {
    const auto index = FieldIndex(field);
    if (!index) return false;
    values[*index] = std::string(value);
    return true;
}

std::optional<Capability> ProfileCapability(std::string_view profile) {
    if (profile == "small") {
        return Make({"rsd1", "latin", "type2", "2", "2", "1", "1", "4", "4", "4", "4",
                     "0",    "0",     "4",     "4", "4", "4", "1", "1", "4", "4"});
    }
    if (profile == "typical") {
        return Make({"rsd1", "latin", "type2", "8",  "8",  "100", "100", "40", "40", "16", "16",
                     "60",   "60",    "20",    "20", "24", "24",  "30",  "30", "40", "40"});
    }
    if (profile == "large") {
        return Make({"rsd1", "latin", "type2", "99", "99", "100", "100", "40", "40", "16", "16",
                     "60",   "60",    "20",    "20", "24", "24",  "99",  "99", "40", "40"});
    }
    return std::nullopt;
}

Widths Widths::From(const Capability& c) {
    Widths w;
    w.name_width = NonNegative(c, "max_name_length");
    w.number_width = NonNegative(c, "max_tel_no_length");
    w.sender_name_width = NonNegative(c, "max_user_name_length");
    w.sender_number_width = NonNegative(c, "max_user_tel_no_length");
    w.reject_number_width = NonNegative(c, "max_reject_tel_no_length");
    w.coded_slots = NonNegative(c, "current_coded_dial_num");
    w.one_touch_slots = NonNegative(c, "current_onetouch_dial_num");
    w.reject_slots = NonNegative(c, "current_reject_tel_num");
    w.reject_records_when_empty = NonNegative(c, "max_reject_tel_num");
    w.name_limit = NonNegative(c, "current_name_length");
    w.number_limit = NonNegative(c, "current_tel_no_length");
    w.sender_name_limit = NonNegative(c, "current_user_name_length");
    w.sender_number_limit = NonNegative(c, "current_user_tel_no_length");
    w.reject_number_limit = NonNegative(c, "current_reject_tel_no_length");
    return w;
}

}  // namespace orvane::sim
