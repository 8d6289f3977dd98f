// Drives a number or name field with arbitrary UTF-16 through the character filter, the paste
// algorithm, deletions and the number tidy-up, in every mode and keycode set, and checks after
// every step what the printer needs: every character passes the field's character set, a dial
// entry holds one tone switch at most, the text never exceeds the limit, the selection stays
// inside the text and the tidy-up is stable (applying it again changes nothing).
//
// Input: a flag byte (bits 0-1: FaxEditMode; bit 2: keycode "type1"; bit 3: number field), a limit
// byte (255: no limit), then UTF-16LE units cut into steps at U+0000. A step's first unit picks the
// operation (low two bits: paste, type, delete the selection, select only), the next two the
// selection's anchor and caret; the rest of the step is the text sent.
#include "remotesetup/device_charset.h"
#include "remotesetup/input_rules.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using orvane::EditField;
using orvane::FaxEditMode;
using orvane::FieldRules;
using orvane::KeycodeSet;

void Require(bool condition) {
    if (!condition) std::abort();
}

// The number characters of each mode, written out apart from the library: anywhere, and first.
constexpr std::u16string_view kAnywhere[] = {u"0123456789", u"0123456789*#TpP ", u"0123456789*# ",
                                             u"0123456789+ "};
constexpr std::u16string_view kFirst[] = {u"0123456789", u"0123456789*#T", u"0123456789*#", u"0123456789+"};

void CheckNumber(const std::u16string& text, FaxEditMode mode) {
    const auto index = static_cast<std::size_t>(mode);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::u16string_view allowed = i == 0 ? kFirst[index] : kAnywhere[index];
        Require(allowed.find(text[i]) != std::u16string_view::npos);
    }
    if (mode == FaxEditMode::kDialEntry) Require(std::count(text.begin(), text.end(), u'T') <= 1);
    // Tidy: inner pauses "p", trailing pauses "P".
    const std::size_t last_kept = text.find_last_not_of(u"pP");
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool trailing = last_kept == std::u16string::npos || i > last_kept;
        if (text[i] == u'p') Require(!trailing);
        if (text[i] == u'P') Require(trailing);
    }
}

void CheckName(const std::u16string& text, KeycodeSet set) {
    for (char16_t c : text) {
        const std::optional<std::uint8_t> byte = orvane::DeviceByteFor(c);
        Require(byte.has_value() && orvane::DeviceByteUsable(*byte, set));
    }
}

void CheckField(const EditField& field, const FieldRules& rules) {
    Require(field.text.size() <= field.limit);
    Require(field.anchor <= field.text.size() && field.caret <= field.text.size());
    if (rules.number) {
        CheckNumber(field.text, rules.mode);
        EditField again = field;
        Require(!orvane::TidyNumber(again));
        Require(again.text == field.text && again.anchor == field.anchor && again.caret == field.caret);
    } else {
        CheckName(field.text, rules.keycode_set);
    }
}

std::size_t PositionIn(const EditField& field, char16_t unit) {
    return unit % (field.text.size() + 1);
}

void RunStep(EditField& field, std::u16string_view step, const FieldRules& rules) {
    if (step.empty()) return;
    const char16_t operation = step[0];
    if (step.size() > 1) field.anchor = PositionIn(field, step[1]);
    field.caret = step.size() > 2 ? PositionIn(field, step[2]) : field.anchor;
    const std::u16string_view text = step.substr(std::min<std::size_t>(step.size(), 3));
    int refused = 0;
    switch (operation & 3) {
        case 0:
            refused = orvane::PasteChars(field, text, rules);
            break;
        case 1:
            refused = orvane::SendChars(field, text, rules);
            break;
        case 2:
            field.text.erase(field.SelectionStart(), field.SelectionEnd() - field.SelectionStart());
            field.anchor = field.caret = field.SelectionStart();
            if (rules.number) orvane::TidyNumber(field);
            break;
        default:
            break;
    }
    Require(refused >= 0 && static_cast<std::size_t>(refused) <= 2 * text.size());  // a kana row gives two
    CheckField(field, rules);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint8_t flags = data[0];
    const KeycodeSet set = (flags & 4) != 0 ? KeycodeSet::Kana : KeycodeSet::Latin;
    const FieldRules rules =
        (flags & 8) != 0 ? FieldRules::Number(orvane::FaxEditModeFrom(flags & 3)) : FieldRules::Name(set);
    std::u16string units((size - 2) / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(data[2 + 2 * i] | (data[3 + 2 * i] << 8));
    }

    EditField field;
    field.limit = data[1] == 255 ? orvane::kNoLengthLimit : data[1];
    std::u16string_view rest(units);
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find(u'\0'), rest.size());
        RunStep(field, rest.substr(0, end), rules);
        rest.remove_prefix(std::min(rest.size(), end + 1));
    }

    // The import path gives the same guarantees for the whole input at once.
    const std::size_t limit = data[1] == 255 ? orvane::kNoLengthLimit : data[1];
    EditField imported;
    imported.limit = limit;
    imported.text = orvane::FilterFieldText(units, rules, limit);
    imported.anchor = imported.caret = imported.text.size();
    CheckField(imported, rules);
    return 0;
}
