#include "remotesetup/input_rules.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

// ---- Kana folding table -------------------------------------------------------------------------

constexpr char16_t kVoicedMark = u'\uFF9E';
constexpr char16_t kSemiVoicedMark = u'\uFF9F';
constexpr char16_t kHiraganaToKatakana = 0x60;

// The half-width letter of every plain katakana, in katakana order: U+30A1 to U+30ED without the
// voiced and semi-voiced letters, then U+30EF, U+30F2 and U+30F3.
constexpr std::u16string_view kPlainHalfWidth =
    u"\uFF67\uFF71\uFF68\uFF72\uFF69\uFF73\uFF6A\uFF74\uFF6B\uFF75"  // small and plain vowels
    u"\uFF76\uFF77\uFF78\uFF79\uFF7A"                                // ka row
    u"\uFF7B\uFF7C\uFF7D\uFF7E\uFF7F"                                // sa row
    u"\uFF80\uFF81\uFF6F\uFF82\uFF83\uFF84"                          // ta row with small tsu
    u"\uFF85\uFF86\uFF87\uFF88\uFF89"                                // na row
    u"\uFF8A\uFF8B\uFF8C\uFF8D\uFF8E"                                // ha row
    u"\uFF8F\uFF90\uFF91\uFF92\uFF93"                                // ma row
    u"\uFF6C\uFF94\uFF6D\uFF95\uFF6E\uFF96"                          // ya row with small letters
    u"\uFF97\uFF98\uFF99\uFF9A\uFF9B"                                // ra row
    u"\uFF9C\uFF66\uFF9D";                                           // wa, wo, n

enum class Voicing { kPlain, kVoiced, kSemiVoiced };

// Within U+30A1..U+30ED the voiced letters follow their plain letter (ka to chi, tsu to to), and
// the ha row comes in plain, voiced, semi-voiced triplets.
constexpr Voicing VoicingOf(char16_t katakana) {
    if (katakana >= u'\u30AB' && katakana <= u'\u30C2') {
        return (katakana - u'\u30AB') % 2 == 1 ? Voicing::kVoiced : Voicing::kPlain;
    }
    if (katakana >= u'\u30C4' && katakana <= u'\u30C9') {
        return (katakana - u'\u30C4') % 2 == 1 ? Voicing::kVoiced : Voicing::kPlain;
    }
    if (katakana >= u'\u30CF' && katakana <= u'\u30DD') {
        const int step = (katakana - u'\u30CF') % 3;
        return step == 0 ? Voicing::kPlain : step == 1 ? Voicing::kVoiced : Voicing::kSemiVoiced;
    }
    return Voicing::kPlain;
}

// Voiced letters outside the regular rows, each with the plain katakana it voices.
struct VoicedExtra {
    char16_t katakana;
    char16_t plain;
};
constexpr std::array<VoicedExtra, 3> kVoicedExtras = {{
    {u'\u30F4', u'\u30A6'},  // vu
    {u'\u30F7', u'\u30EF'},  // va
    {u'\u30FA', u'\u30F2'},  // vo
}};

constexpr std::array<KanaFoldRow, 10> kPunctuationRows = {{
    {u'\u2018', u'\'', 0},
    {u'\u2019', u'\'', 0},
    {u'\u201C', u'"', 0},
    {u'\u201D', u'"', 0},
    {u'\u3000', u' ', 0},
    {u'\u3001', u'\uFF64', 0},
    {u'\u3002', u'\uFF61', 0},
    {u'\u300C', u'\uFF62', 0},
    {u'\u300D', u'\uFF63', 0},
    {u'\u30FB', u'\uFF65', 0},
}};

constexpr KanaFoldRow kProlongedSoundRow = {u'\u30FC', u'\uFF70', 0};
constexpr std::array<KanaFoldRow, 2> kCombiningMarkRows = {{
    {u'\u3099', kVoicedMark, 0},
    {u'\u309A', kSemiVoicedMark, 0},
}};

constexpr bool IsRegularKatakana(char16_t c) {
    return (c >= u'\u30A1' && c <= u'\u30ED') || c == u'\u30EF' || c == u'\u30F2' || c == u'\u30F3';
}

// The katakana rows: the regular letters walked in order, each plain one taking the next
// half-width letter and each voiced one the letter before it with its mark; then the extras.
template <std::size_t N>
constexpr std::size_t AddKatakanaRows(std::array<KanaFoldRow, N>& rows, std::size_t n) {
    std::size_t plain_index = 0;
    char16_t last_plain = 0;
    for (char16_t c = u'\u30A1'; c <= u'\u30F3'; ++c) {
        if (!IsRegularKatakana(c)) continue;
        switch (VoicingOf(c)) {
            case Voicing::kPlain:
                last_plain = kPlainHalfWidth[plain_index++];
                rows[n++] = {c, last_plain, 0};
                break;
            case Voicing::kVoiced:
                rows[n++] = {c, last_plain, kVoicedMark};
                break;
            case Voicing::kSemiVoiced:
                rows[n++] = {c, last_plain, kSemiVoicedMark};
                break;
        }
    }
    if (plain_index != kPlainHalfWidth.size()) return 0;
    for (const VoicedExtra& extra : kVoicedExtras) {
        const auto plain = std::find_if(rows.begin(), rows.begin() + n,
                                        [&](const KanaFoldRow& row) { return row.typed == extra.plain; });
        rows[n++] = {extra.katakana, plain->first, kVoicedMark};
    }
    rows[n++] = kProlongedSoundRow;
    return n;
}

struct BuiltTable {
    std::array<KanaFoldRow, kKanaFoldRowCount> rows{};
    std::size_t count = 0;
};

constexpr BuiltTable BuildKanaFoldTable() {
    BuiltTable built;
    auto& rows = built.rows;
    std::size_t n = 0;
    for (const KanaFoldRow& row : kPunctuationRows) rows[n++] = row;
    const std::size_t katakana_begin = n;
    n = AddKatakanaRows(rows, n);
    const std::size_t katakana_end = n;
    // Every hiragana folds as its katakana; the hiragana block ends with vu.
    for (std::size_t i = katakana_begin; i < katakana_end; ++i) {
        if (rows[i].typed <= u'\u30F4') {
            rows[n++] = {static_cast<char16_t>(rows[i].typed - kHiraganaToKatakana), rows[i].first,
                         rows[i].second};
        }
    }
    for (const KanaFoldRow& row : kCombiningMarkRows) rows[n++] = row;
    built.count = n;
    return built;
}

constexpr BuiltTable kBuiltKanaFoldTable = BuildKanaFoldTable();
static_assert(kBuiltKanaFoldTable.count == kKanaFoldRowCount, "every kana folding row is filled");
constexpr auto kKanaFoldTable = kBuiltKanaFoldTable.rows;

constexpr std::array<KanaFoldRow, kKanaFoldRowCount> SortedByTyped() {
    auto rows = kKanaFoldTable;
    std::sort(rows.begin(), rows.end(),
              [](const KanaFoldRow& a, const KanaFoldRow& b) { return a.typed < b.typed; });
    return rows;
}

constexpr auto kKanaFoldIndex = SortedByTyped();

constexpr char16_t kFirstFullWidthAscii = u'\uFF01';
constexpr char16_t kLastFullWidthAscii = u'\uFF5E';
constexpr char16_t kFullWidthOffset = 0xFEE0;

// ---- Character sets ---------------------------------------------------------------------------

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool InModeSet(char16_t c, FaxEditMode mode, bool at_start) {
    switch (mode) {
        case FaxEditMode::kDialEntry:
            return c == u'*' || c == u'#' || c == kToneSwitch ||
                   (!at_start && (c == kInnerPause || c == kTrailingPause || c == u' '));
        case FaxEditMode::kRejectedNumber:
            return c == u'*' || c == u'#' || (!at_start && c == u' ');
        case FaxEditMode::kSenderNumber:
            return c == u'+' || (!at_start && c == u' ');
        case FaxEditMode::kDigitsOnly:
            return false;
    }
    return false;
}

bool IsPause(char16_t c) {
    return c == kInnerPause || c == kTrailingPause;
}

bool IsWhiteSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// ---- Field edits --------------------------------------------------------------------------------

std::u16string KeptText(const EditField& field) {
    std::u16string kept = field.text;
    kept.erase(field.SelectionStart(), field.SelectionEnd() - field.SelectionStart());
    return kept;
}

bool Accepts(const EditField& field, char16_t c, const FieldRules& rules) {
    if (!rules.number) return InNameCharSet(c, rules.keycode_set);
    return InNumberCharSet(c, rules.mode, field.SelectionStart()) &&
           !IsSecondToneSwitch(c, rules.mode, KeptText(field));
}

// Replaces the selection by `c`; false when the field is full.
bool InsertChar(EditField& field, char16_t c, const FieldRules& rules) {
    const std::size_t start = field.SelectionStart();
    const std::size_t selected = field.SelectionEnd() - start;
    if (field.text.size() - selected >= field.limit) return false;
    field.text.replace(start, selected, 1, c);
    field.anchor = field.caret = start + 1;
    if (rules.number) TidyNumber(field);
    return true;
}

// One character message: the filter, then the replacement rules. Replacements never have a
// replacement of their own, so the second pass ends there.
int SendOne(EditField& field, char16_t c, const FieldRules& rules) {
    if (c < u' ') return 0;
    if (Accepts(field, c, rules)) return InsertChar(field, c, rules) ? 0 : 1;
    const std::u16string replacement = ReplacementFor(c);
    if (replacement.empty()) return 1;
    if (rules.number) return SendOne(field, replacement.front(), rules);
    int refused = 0;
    for (char16_t unit : replacement) refused += SendOne(field, unit, rules);
    return refused;
}

std::u16string NormalizedPauses(std::u16string_view text) {
    std::u16string result(text);
    std::replace(result.begin(), result.end(), kTrailingPause, kInnerPause);
    for (auto it = result.rbegin(); it != result.rend() && IsPause(*it); ++it) *it = kTrailingPause;
    return result;
}

void MoveSelectionBack(EditField& field, std::size_t removed) {
    field.anchor -= std::min(field.anchor, removed);
    field.caret -= std::min(field.caret, removed);
}

void RemoveLeading(EditField& field, std::size_t count) {
    field.text.erase(0, count);
    MoveSelectionBack(field, count);
}

bool TidyOnce(EditField& field) {
    bool changed = false;
    std::u16string paused = NormalizedPauses(field.text);
    if (paused != field.text) {
        field.text = std::move(paused);
        changed = true;
    }
    if (!field.text.empty() && field.text.front() == u' ') {
        const auto first_kept = std::find_if_not(field.text.begin(), field.text.end(), IsWhiteSpace);
        RemoveLeading(field, static_cast<std::size_t>(first_kept - field.text.begin()));
        changed = true;
    }
    if (!field.text.empty() && IsPause(field.text.front())) {
        RemoveLeading(field, 1);
        changed = true;
    }
    return changed;
}

}  // namespace

FaxEditMode FaxEditModeFrom(int mode) {
    switch (mode) {
        case 1:
            return FaxEditMode::kDialEntry;
        case 2:
            return FaxEditMode::kRejectedNumber;
        case 3:
            return FaxEditMode::kSenderNumber;
        default:
            return FaxEditMode::kDigitsOnly;
    }
}

bool InNumberCharSet(char16_t c, FaxEditMode mode, std::size_t position) {
    return IsDigit(c) || InModeSet(c, mode, position == 0);
}

bool IsSecondToneSwitch(char16_t c, FaxEditMode mode, std::u16string_view kept_text) {
    return mode == FaxEditMode::kDialEntry && c == kToneSwitch &&
           kept_text.find(kToneSwitch) != std::u16string_view::npos;
}

bool InNameCharSet(char16_t c, KeycodeSet set) {
    const std::optional<std::uint8_t> byte = DeviceByteFor(c);
    return byte && DeviceByteUsable(*byte, set);
}

std::span<const KanaFoldRow> KanaFoldTable() {
    return kKanaFoldTable;
}

std::u16string ReplacementFor(char16_t c) {
    if (c >= kFirstFullWidthAscii && c <= kLastFullWidthAscii) {
        return std::u16string(1, static_cast<char16_t>(c - kFullWidthOffset));
    }
    const auto row = std::lower_bound(kKanaFoldIndex.begin(), kKanaFoldIndex.end(), c,
                                      [](const KanaFoldRow& r, char16_t typed) { return r.typed < typed; });
    if (row == kKanaFoldIndex.end() || row->typed != c) return {};
    std::u16string replacement(1, row->first);
    if (row->second != 0) replacement += row->second;
    return replacement;
}

int SendChars(EditField& field, std::u16string_view chars, const FieldRules& rules) {
    int refused = 0;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (IsHighSurrogate(chars[i]) && i + 1 < chars.size() && IsLowSurrogate(chars[i + 1])) {
            ++refused;  // outside the Basic Multilingual Plane: nothing the printer stores
            ++i;
            continue;
        }
        refused += SendOne(field, chars[i], rules);
    }
    return refused;
}

int PasteChars(EditField& field, std::u16string_view text, const FieldRules& rules) {
    return SendChars(field, text.substr(0, std::min(text.size(), field.limit)), rules);
}

bool TidyNumber(EditField& field) {
    bool changed = false;
    if (field.text.size() > field.limit) {
        field.text.resize(field.limit);
        field.anchor = std::min(field.anchor, field.limit);
        field.caret = std::min(field.caret, field.limit);
        changed = true;
    }
    while (TidyOnce(field)) changed = true;
    return changed;
}

std::u16string FilterFieldText(std::u16string_view text, const FieldRules& rules, std::size_t limit,
                               int* refused) {
    EditField field;
    field.limit = limit;
    const int count = PasteChars(field, text, rules);
    if (refused != nullptr) *refused = count;
    return field.text;
}

}  // namespace orvane
