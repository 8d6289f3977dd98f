// What a fax-number or name field accepts: the number character sets by mode and position, the
// name character set by keycode set, the replacements for characters that have an acceptable
// equivalent (full-width forms, kana), and the tidy-up of numbers. The edit controls, the import
// paths and the tests share these definitions.
#pragma once

#include "remotesetup/device_charset.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>

namespace orvane {

// The kind of number a number field holds; 0 (before set-up) allows digits only.
enum class FaxEditMode : int {
    kDigitsOnly = 0,
    kDialEntry = 1,       // digits, "*", "#", one tone switch "T"; pauses and spaces after the start
    kRejectedNumber = 2,  // digits, "*", "#"; spaces after the start
    kSenderNumber = 3,    // digits, "+"; spaces after the start
};

// The mode for a set-up value; values other than 1, 2 and 3 give kDigitsOnly.
FaxEditMode FaxEditModeFrom(int mode);

inline constexpr char16_t kToneSwitch = u'T';
inline constexpr char16_t kInnerPause = u'p';
inline constexpr char16_t kTrailingPause = u'P';

// True when `c` may go at `position` (0: the first character) of a number in `mode`. The single
// tone switch is checked apart (IsSecondToneSwitch).
bool InNumberCharSet(char16_t c, FaxEditMode mode, std::size_t position);

// True when `c` is a tone switch that mode 1 refuses because `kept_text` (the text that stays
// beside the selection the character replaces) already holds one.
bool IsSecondToneSwitch(char16_t c, FaxEditMode mode, std::u16string_view kept_text);

// True when the device character table has a row for `c` whose byte `set` lets a name use.
bool InNameCharSet(char16_t c, KeycodeSet set);

// One row of the kana folding table: a typed character and its one or two replacements.
struct KanaFoldRow {
    char16_t typed;
    char16_t first;
    char16_t second;  // 0 when the row gives one character
};

inline constexpr std::size_t kKanaFoldRowCount = 177;

// The kana folding table in its fixed order: quotes and ideographic space, punctuation, katakana,
// hiragana, combining marks. Small and archaic kana have no row.
std::span<const KanaFoldRow> KanaFoldTable();

// The replacement for a character the field refused: full-width ASCII becomes ASCII, then the kana
// folding table applies; empty when neither has one. Never longer than two units.
std::u16string ReplacementFor(char16_t c);

// The rules of one field: a number field in a mode, or a name field under a keycode set.
struct FieldRules {
    bool number = false;
    FaxEditMode mode = FaxEditMode::kDigitsOnly;
    KeycodeSet keycode_set = KeycodeSet::Latin;

    static FieldRules Number(FaxEditMode mode) { return {true, mode, KeycodeSet::Latin}; }
    static FieldRules Name(KeycodeSet set) { return {false, FaxEditMode::kDigitsOnly, set}; }
};

inline constexpr std::size_t kNoLengthLimit = std::numeric_limits<std::size_t>::max();

// A field as the character filter sees it: its text, its selection and its length limit in UTF-16
// units. The selection runs between anchor and caret; they are equal when nothing is selected.
struct EditField {
    std::u16string text;
    std::size_t anchor = 0;
    std::size_t caret = 0;
    std::size_t limit = kNoLengthLimit;

    std::size_t SelectionStart() const { return anchor < caret ? anchor : caret; }
    std::size_t SelectionEnd() const { return anchor < caret ? caret : anchor; }
};

// Sends `chars` to the field one character at a time, as typing them would: each passes the
// field's character filter at the selection start, replaces the selection, moves the caret past
// it, and a number is tidied after each change. Control characters (below U+0020) are dropped
// without being treated as editing keys. Returns the number of refused characters (each one a
// beep): those the rules refuse and those that find the field full. A surrogate pair counts as one
// refused character.
int SendChars(EditField& field, std::u16string_view chars, const FieldRules& rules);

// Pastes `text` the way every paste path does: at most `field.limit` units of it are sent through
// SendChars. Returns the number of refused characters.
int PasteChars(EditField& field, std::u16string_view text, const FieldRules& rules);

// The tidy-up a number gets after every change: the text is cut to the limit; inner pauses become
// "p" and a trailing run of pauses "P"; a leading space takes all leading white space with it; a
// leading pause is deleted; repeated until stable. The selection moves with the characters it
// sits between. Returns true when the field changed.
bool TidyNumber(EditField& field);

// The text an empty field of `limit` units ends with when `text` is pasted into it (filtered,
// replaced, tidied). `refused`, when given, receives the number of refused characters.
std::u16string FilterFieldText(std::u16string_view text, const FieldRules& rules, std::size_t limit,
                               int* refused = nullptr);

}  // namespace orvane
