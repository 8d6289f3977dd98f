// The virtual printer's capability: the 21 fields of its GetCapability answer, the built-in
// profiles, and the record widths and slot counts the payload derives from them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::sim {

// Number of fields of a capability response.
inline constexpr std::size_t kCapabilityFieldCount = 21;

// The capability fields in the order the printer sends them.
inline constexpr std::array<std::string_view, kCapabilityFieldCount> kCapabilityFields = {
    "support_data_format",
    "character_code",
    "keycode_type",
    "max_onetouch_dial_num",
    "current_onetouch_dial_num",
    "max_coded_dial_num",
    "current_coded_dial_num",
    "max_tel_no_length",
    "current_tel_no_length",
    "max_name_length",
    "current_name_length",
    "max_email_address_length",
    "current_email_address_length",
    "max_user_tel_no_length",
    "current_user_tel_no_length",
    "max_user_name_length",
    "current_user_name_length",
    "max_reject_tel_num",
    "current_reject_tel_num",
    "max_reject_tel_no_length",
    "current_reject_tel_no_length"};

// The 21 capability texts of the virtual printer.
struct Capability {
    std::array<std::string, kCapabilityFieldCount> values;

    // The text of a field by name; empty when the name is unknown.
    std::string Text(std::string_view field) const;
    // A field read as a number: optional sign and leading digits after white space, else 0.
    long Number(std::string_view field) const;
    // Replaces a field's text; false when the name is unknown.
    bool Set(std::string_view field, std::string_view value);
};

// The capability of a named profile ("small", "typical", "large"); nothing for an unknown name.
std::optional<Capability> ProfileCapability(std::string_view profile);

// The record widths and slot counts the payload uses, derived from a capability (negatives become 0).
struct Widths {
    long name_width = 0;                 // wire width of dial names
    long number_width = 0;               // wire width of dial numbers and group bitmaps
    long sender_name_width = 0;          // wire width of the sender name
    long sender_number_width = 0;        // wire width of the sender number
    long reject_number_width = 0;        // wire width of rejected numbers
    long coded_slots = 0;                // coded slots held
    long one_touch_slots = 0;            // one-touch slots held
    long reject_slots = 0;               // reject slots held
    long reject_records_when_empty = 0;  // reject records on the wire when none are held
    long name_limit = 0;                 // longest dial name kept
    long number_limit = 0;               // longest dial number kept
    long sender_name_limit = 0;          // longest sender name kept
    long sender_number_limit = 0;        // longest sender number kept
    long reject_number_limit = 0;        // longest rejected number kept

    // Derives the widths of a capability.
    static Widths From(const Capability& capability);
};

}  // namespace orvane::sim
