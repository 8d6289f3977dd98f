#include "remotesetup/input_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

namespace orvane {
namespace {

// Half-width forms and the full-width characters they stand for (the <narrow> compatibility
// decompositions of the Unicode Character Database).
struct NarrowForm {
    char16_t half_width;
    char16_t full_width;
};

constexpr NarrowForm kNarrowForms[] = {
    {u'\uFF61', u'\u3002'}, {u'\uFF62', u'\u300C'}, {u'\uFF63', u'\u300D'}, {u'\uFF64', u'\u3001'},
    {u'\uFF65', u'\u30FB'}, {u'\uFF66', u'\u30F2'}, {u'\uFF67', u'\u30A1'}, {u'\uFF68', u'\u30A3'},
    {u'\uFF69', u'\u30A5'}, {u'\uFF6A', u'\u30A7'}, {u'\uFF6B', u'\u30A9'}, {u'\uFF6C', u'\u30E3'},
    {u'\uFF6D', u'\u30E5'}, {u'\uFF6E', u'\u30E7'}, {u'\uFF6F', u'\u30C3'}, {u'\uFF70', u'\u30FC'},
    {u'\uFF71', u'\u30A2'}, {u'\uFF72', u'\u30A4'}, {u'\uFF73', u'\u30A6'}, {u'\uFF74', u'\u30A8'},
    {u'\uFF75', u'\u30AA'}, {u'\uFF76', u'\u30AB'}, {u'\uFF77', u'\u30AD'}, {u'\uFF78', u'\u30AF'},
    {u'\uFF79', u'\u30B1'}, {u'\uFF7A', u'\u30B3'}, {u'\uFF7B', u'\u30B5'}, {u'\uFF7C', u'\u30B7'},
    {u'\uFF7D', u'\u30B9'}, {u'\uFF7E', u'\u30BB'}, {u'\uFF7F', u'\u30BD'}, {u'\uFF80', u'\u30BF'},
    {u'\uFF81', u'\u30C1'}, {u'\uFF82', u'\u30C4'}, {u'\uFF83', u'\u30C6'}, {u'\uFF84', u'\u30C8'},
    {u'\uFF85', u'\u30CA'}, {u'\uFF86', u'\u30CB'}, {u'\uFF87', u'\u30CC'}, {u'\uFF88', u'\u30CD'},
    {u'\uFF89', u'\u30CE'}, {u'\uFF8A', u'\u30CF'}, {u'\uFF8B', u'\u30D2'}, {u'\uFF8C', u'\u30D5'},
    {u'\uFF8D', u'\u30D8'}, {u'\uFF8E', u'\u30DB'}, {u'\uFF8F', u'\u30DE'}, {u'\uFF90', u'\u30DF'},
    {u'\uFF91', u'\u30E0'}, {u'\uFF92', u'\u30E1'}, {u'\uFF93', u'\u30E2'}, {u'\uFF94', u'\u30E4'},
    {u'\uFF95', u'\u30E6'}, {u'\uFF96', u'\u30E8'}, {u'\uFF97', u'\u30E9'}, {u'\uFF98', u'\u30EA'},
    {u'\uFF99', u'\u30EB'}, {u'\uFF9A', u'\u30EC'}, {u'\uFF9B', u'\u30ED'}, {u'\uFF9C', u'\u30EF'},
    {u'\uFF9D', u'\u30F3'}, {u'\uFF9E', u'\u3099'}, {u'\uFF9F', u'\u309A'},
};

// Katakana whose canonical decomposition is a letter and a combining (semi-)voiced mark.
struct ComposedKana {
    char16_t composed;
    char16_t letter;
    char16_t mark;
};

constexpr ComposedKana kComposedKana[] = {
    {u'\u30AC', u'\u30AB', u'\u3099'}, {u'\u30AE', u'\u30AD', u'\u3099'}, {u'\u30B0', u'\u30AF', u'\u3099'},
    {u'\u30B2', u'\u30B1', u'\u3099'}, {u'\u30B4', u'\u30B3', u'\u3099'}, {u'\u30B6', u'\u30B5', u'\u3099'},
    {u'\u30B8', u'\u30B7', u'\u3099'}, {u'\u30BA', u'\u30B9', u'\u3099'}, {u'\u30BC', u'\u30BB', u'\u3099'},
    {u'\u30BE', u'\u30BD', u'\u3099'}, {u'\u30C0', u'\u30BF', u'\u3099'}, {u'\u30C2', u'\u30C1', u'\u3099'},
    {u'\u30C5', u'\u30C4', u'\u3099'}, {u'\u30C7', u'\u30C6', u'\u3099'}, {u'\u30C9', u'\u30C8', u'\u3099'},
    {u'\u30D0', u'\u30CF', u'\u3099'}, {u'\u30D1', u'\u30CF', u'\u309A'}, {u'\u30D3', u'\u30D2', u'\u3099'},
    {u'\u30D4', u'\u30D2', u'\u309A'}, {u'\u30D6', u'\u30D5', u'\u3099'}, {u'\u30D7', u'\u30D5', u'\u309A'},
    {u'\u30D9', u'\u30D8', u'\u3099'}, {u'\u30DA', u'\u30D8', u'\u309A'}, {u'\u30DC', u'\u30DB', u'\u3099'},
    {u'\u30DD', u'\u30DB', u'\u309A'}, {u'\u30F4', u'\u30A6', u'\u3099'}, {u'\u30F7', u'\u30EF', u'\u3099'},
    {u'\u30F8', u'\u30F0', u'\u3099'}, {u'\u30F9', u'\u30F1', u'\u3099'}, {u'\u30FA', u'\u30F2', u'\u3099'},
    {u'\u30FE', u'\u30FD', u'\u3099'},
};

// The characters that have a row, collected from the listed ranges.
std::set<char16_t> TypedCharactersOfTheRanges() {
    std::set<char16_t> typed = {u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u3000',
                                u'\u3001', u'\u3002', u'\u300C', u'\u300D', u'\u30FB',
                                u'\u30EF', u'\u30F7', u'\u308F', u'\u3099', u'\u309A'};
    auto add = [&](char16_t first, char16_t last) {
        for (char16_t c = first; c <= last; ++c) typed.insert(c);
    };
    add(u'\u30A1', u'\u30ED');
    add(u'\u30F2', u'\u30F4');
    add(u'\u30FA', u'\u30FC');
    add(u'\u3041', u'\u308D');
    add(u'\u3092', u'\u3094');
    return typed;
}

bool IsKatakana(char16_t c) {
    return c >= u'\u30A1' && c <= u'\u30FC';
}

bool IsHiragana(char16_t c) {
    return c >= u'\u3041' && c <= u'\u3096';
}

char16_t FullWidthOf(char16_t half_width) {
    for (const NarrowForm& form : kNarrowForms) {
        if (form.half_width == half_width) return form.full_width;
    }
    return 0;
}

// The katakana a half-width letter and an optional half-width mark stand for.
char16_t Recompose(char16_t letter, char16_t mark) {
    const char16_t full_letter = FullWidthOf(letter);
    if (mark == 0) return full_letter;
    const char16_t full_mark = FullWidthOf(mark);
    for (const ComposedKana& kana : kComposedKana) {
        if (kana.letter == full_letter && kana.mark == full_mark) return kana.composed;
    }
    return 0;
}

const KanaFoldRow* RowFor(char16_t typed) {
    const auto table = KanaFoldTable();
    const auto row =
        std::find_if(table.begin(), table.end(), [&](const KanaFoldRow& r) { return r.typed == typed; });
    return row == table.end() ? nullptr : &*row;
}

TEST(KanaFoldTable, HasOneRowForEveryListedCharacterAndNoOther) {
    const std::set<char16_t> expected = TypedCharactersOfTheRanges();
    ASSERT_EQ(expected.size(), 177u);
    const auto table = KanaFoldTable();
    ASSERT_EQ(table.size(), 177u);
    std::set<char16_t> typed;
    for (const KanaFoldRow& row : table)
        EXPECT_TRUE(typed.insert(row.typed).second) << std::hex << int(row.typed);
    EXPECT_EQ(typed, expected);
}

TEST(KanaFoldTable, EveryKanaRowStandsForItsLetter) {
    int kana_rows = 0;
    for (const KanaFoldRow& row : KanaFoldTable()) {
        if (!IsKatakana(row.typed) && !IsHiragana(row.typed)) continue;
        if (row.typed == u'\u30FB') continue;  // the middle dot is punctuation
        ++kana_rows;
        const char16_t katakana = IsHiragana(row.typed) ? static_cast<char16_t>(row.typed + 0x60) : row.typed;
        EXPECT_TRUE(row.second == 0 || row.second == u'\uFF9E' || row.second == u'\uFF9F')
            << std::hex << int(row.typed);
        EXPECT_EQ(Recompose(row.first, row.second), katakana) << std::hex << int(row.typed);
    }
    EXPECT_EQ(kana_rows, 84 + 81);
}

TEST(KanaFoldTable, HiraganaFoldLikeTheirKatakana) {
    for (const KanaFoldRow& row : KanaFoldTable()) {
        if (!IsHiragana(row.typed)) continue;
        const KanaFoldRow* katakana = RowFor(static_cast<char16_t>(row.typed + 0x60));
        ASSERT_NE(katakana, nullptr) << std::hex << int(row.typed);
        EXPECT_EQ(row.first, katakana->first);
        EXPECT_EQ(row.second, katakana->second);
    }
}

// Rows written out by hand: the listed examples and a spread over every kind of row.
struct HandRow {
    char16_t typed;
    std::u16string_view replacement;
};

constexpr HandRow kHandRows[] = {
    {u'\u2018', u"'"},
    {u'\u2019', u"'"},
    {u'\u201C', u"\""},
    {u'\u201D', u"\""},
    {u'\u3000', u" "},
    {u'\u3001', u"\uFF64"},
    {u'\u3002', u"\uFF61"},
    {u'\u300C', u"\uFF62"},
    {u'\u300D', u"\uFF63"},
    {u'\u30FB', u"\uFF65"},
    {u'\u30A1', u"\uFF67"},
    {u'\u30A2', u"\uFF71"},
    {u'\u30AB', u"\uFF76"},
    {u'\u30AC', u"\uFF76\uFF9E"},
    {u'\u30B6', u"\uFF7B\uFF9E"},
    {u'\u30C0', u"\uFF80\uFF9E"},
    {u'\u30C3', u"\uFF6F"},
    {u'\u30C5', u"\uFF82\uFF9E"},
    {u'\u30C9', u"\uFF84\uFF9E"},
    {u'\u30CE', u"\uFF89"},
    {u'\u30CF', u"\uFF8A"},
    {u'\u30D0', u"\uFF8A\uFF9E"},
    {u'\u30D1', u"\uFF8A\uFF9F"},
    {u'\u30DD', u"\uFF8E\uFF9F"},
    {u'\u30E3', u"\uFF6C"},
    {u'\u30ED', u"\uFF9B"},
    {u'\u30EF', u"\uFF9C"},
    {u'\u30F2', u"\uFF66"},
    {u'\u30F3', u"\uFF9D"},
    {u'\u30F4', u"\uFF73\uFF9E"},
    {u'\u30F7', u"\uFF9C\uFF9E"},
    {u'\u30FA', u"\uFF66\uFF9E"},
    {u'\u30FC', u"\uFF70"},
    {u'\u3041', u"\uFF67"},
    {u'\u3042', u"\uFF71"},
    {u'\u304C', u"\uFF76\uFF9E"},
    {u'\u3071', u"\uFF8A\uFF9F"},
    {u'\u3077', u"\uFF8C\uFF9F"},
    {u'\u308D', u"\uFF9B"},
    {u'\u308F', u"\uFF9C"},
    {u'\u3092', u"\uFF66"},
    {u'\u3093', u"\uFF9D"},
    {u'\u3094', u"\uFF73\uFF9E"},
    {u'\u3099', u"\uFF9E"},
    {u'\u309A', u"\uFF9F"},
};

TEST(KanaFoldTable, MatchesTheRowsWrittenByHand) {
    static_assert(std::size(kHandRows) >= 30);
    for (const HandRow& hand : kHandRows) {
        const KanaFoldRow* row = RowFor(hand.typed);
        ASSERT_NE(row, nullptr) << std::hex << int(hand.typed);
        EXPECT_EQ(row->first, hand.replacement[0]) << std::hex << int(hand.typed);
        EXPECT_EQ(row->second, hand.replacement.size() > 1 ? hand.replacement[1] : 0)
            << std::hex << int(hand.typed);
        EXPECT_EQ(ReplacementFor(hand.typed), hand.replacement) << std::hex << int(hand.typed);
    }
}

TEST(KanaFoldTable, KeepsTheListedOrder) {
    const auto table = KanaFoldTable();
    EXPECT_EQ(table.front().typed, u'\u2018');
    EXPECT_EQ(table[4].typed, u'\u3000');
    EXPECT_EQ(table[9].typed, u'\u30FB');
    EXPECT_EQ(table[10].typed, u'\u30A1');
    EXPECT_EQ(table[175].typed, u'\u3099');
    EXPECT_EQ(table[176].typed, u'\u309A');
    const auto first_hiragana =
        std::find_if(table.begin(), table.end(), [](const KanaFoldRow& r) { return IsHiragana(r.typed); });
    EXPECT_TRUE(std::all_of(table.begin() + 10, first_hiragana,
                            [](const KanaFoldRow& r) { return IsKatakana(r.typed); }));
}

TEST(KanaFoldTable, SmallAndArchaicKanaHaveNoRow) {
    for (char16_t c :
         std::u16string_view(u"\u30EE\u30F0\u30F1\u30F5\u30F6\u30F8\u30F9\u308E\u3090\u3091\u3095\u3096")) {
        EXPECT_EQ(RowFor(c), nullptr) << std::hex << int(c);
        EXPECT_TRUE(ReplacementFor(c).empty()) << std::hex << int(c);
    }
}

TEST(Replacement, FullWidthAsciiBecomesAscii) {
    for (char16_t c = 0xFF01; c <= 0xFF5E; ++c) {
        EXPECT_EQ(ReplacementFor(c), std::u16string(1, static_cast<char16_t>(c - 0xFEE0)))
            << std::hex << int(c);
    }
    EXPECT_EQ(ReplacementFor(u'\uFF10'), u"0");
    EXPECT_EQ(ReplacementFor(u'\uFF30'), u"P");
    EXPECT_EQ(ReplacementFor(u'\uFF5E'), u"~");
}

TEST(Replacement, NothingElseHasOne) {
    for (char16_t c :
         std::u16string_view(u"A0 ~\\\u00E9\u00FF\u2212\u301C\u4E00\uFF00\uFF5F\uFF61\uFF71\uFF9E\uFFFF")) {
        EXPECT_TRUE(ReplacementFor(c).empty()) << std::hex << int(c);
    }
}

TEST(Replacement, NoReplacementIsReplacedAgain) {
    for (char16_t c = 1; c != 0; ++c) {
        for (char16_t unit : ReplacementFor(c))
            EXPECT_TRUE(ReplacementFor(unit).empty()) << std::hex << int(c);
    }
}

// ---- Number character sets ----------------------------------------------------------------------

struct ModeSets {
    int mode;
    std::u16string_view at_start;
    std::u16string_view elsewhere;
};

constexpr ModeSets kModeSets[] = {
    {0, u"0123456789", u"0123456789"},
    {1, u"0123456789*#T", u"0123456789*#TpP "},
    {2, u"0123456789*#", u"0123456789*# "},
    {3, u"0123456789+", u"0123456789+ "},
};

// Every printable ASCII character and a few others: full-width digits and space, accented and
// kana letters.
std::u16string ProbeCharacters() {
    std::u16string probes;
    for (char16_t c = 0x20; c <= 0x7E; ++c) probes += c;
    probes += u"\uFF10\uFF15\uFF0A\u3000\u00E9\u30A2\uFF71\t";
    return probes;
}

TEST(NumberCharSet, EveryModePositionAndCharacter) {
    for (const ModeSets& sets : kModeSets) {
        const FaxEditMode mode = FaxEditModeFrom(sets.mode);
        for (char16_t c : ProbeCharacters()) {
            const bool at_start = sets.at_start.find(c) != std::u16string_view::npos;
            const bool elsewhere = sets.elsewhere.find(c) != std::u16string_view::npos;
            EXPECT_EQ(InNumberCharSet(c, mode, 0), at_start) << sets.mode << " " << std::hex << int(c);
            EXPECT_EQ(InNumberCharSet(c, mode, 1), elsewhere) << sets.mode << " " << std::hex << int(c);
            EXPECT_EQ(InNumberCharSet(c, mode, 19), elsewhere) << sets.mode << " " << std::hex << int(c);
        }
    }
}

TEST(NumberCharSet, UnknownModesAllowDigitsOnly) {
    EXPECT_EQ(FaxEditModeFrom(1), FaxEditMode::kDialEntry);
    EXPECT_EQ(FaxEditModeFrom(2), FaxEditMode::kRejectedNumber);
    EXPECT_EQ(FaxEditModeFrom(3), FaxEditMode::kSenderNumber);
    for (int mode : {0, -1, 4, 1000}) EXPECT_EQ(FaxEditModeFrom(mode), FaxEditMode::kDigitsOnly) << mode;
}

TEST(ToneSwitch, OnlyOneInDialEntries) {
    EXPECT_TRUE(IsSecondToneSwitch(u'T', FaxEditMode::kDialEntry, u"12T4"));
    EXPECT_FALSE(IsSecondToneSwitch(u'T', FaxEditMode::kDialEntry, u"124"));
    EXPECT_FALSE(IsSecondToneSwitch(u'4', FaxEditMode::kDialEntry, u"12T4"));
    EXPECT_FALSE(IsSecondToneSwitch(u't', FaxEditMode::kDialEntry, u"12T4"));
}

// ---- Fields ---------------------------------------------------------------------------------

EditField FieldWith(std::u16string text, std::size_t limit = kNoLengthLimit) {
    EditField field;
    field.caret = field.anchor = text.size();
    field.text = std::move(text);
    field.limit = limit;
    return field;
}

EditField FieldWithSelection(std::u16string text, std::size_t anchor, std::size_t caret) {
    EditField field = FieldWith(std::move(text));
    field.anchor = anchor;
    field.caret = caret;
    return field;
}

const FieldRules kDialEntry = FieldRules::Number(FaxEditMode::kDialEntry);
const FieldRules kKanaName = FieldRules::Name(KeycodeSet::Kana);
const FieldRules kLatinName = FieldRules::Name(KeycodeSet::Latin);

TEST(NumberField, EmptyDialEntryRefusesPausesAndSpaceFirst) {
    for (char16_t c : std::u16string_view(u"pP ")) {
        EditField field = FieldWith(u"");
        EXPECT_EQ(SendChars(field, std::u16string(1, c), kDialEntry), 1) << char(c);
        EXPECT_EQ(field.text, u"");
    }
    for (char16_t c : std::u16string_view(u"T*#")) {
        EditField field = FieldWith(u"");
        EXPECT_EQ(SendChars(field, std::u16string(1, c), kDialEntry), 0) << char(c);
        EXPECT_EQ(field.text, std::u16string(1, c));
        EXPECT_EQ(field.caret, 1u);
    }
}

TEST(NumberField, SecondToneSwitchBeepsAndFullWidthDigitGoesInAsDigit) {
    EditField field = FieldWith(u"12T4");
    EXPECT_EQ(SendChars(field, u"T", kDialEntry), 1);
    EXPECT_EQ(field.text, u"12T4");
    EXPECT_EQ(SendChars(field, u"\uFF15", kDialEntry), 0);
    EXPECT_EQ(field.text, u"12T45");
}

TEST(NumberField, ToneSwitchMayReplaceTheSelectedOne) {
    EditField field = FieldWithSelection(u"12T4", 2, 3);
    EXPECT_EQ(SendChars(field, u"T", kDialEntry), 0);
    EXPECT_EQ(field.text, u"12T4");
    EXPECT_EQ(field.caret, 3u);
    EXPECT_EQ(field.anchor, 3u);
}

TEST(NumberField, SenderNumberTakesPlusAnywhereButNeverStarOrHash) {
    const FieldRules sender = FieldRules::Number(FaxEditMode::kSenderNumber);
    EditField field = FieldWith(u"");
    EXPECT_EQ(SendChars(field, u"+81+", sender), 0);
    EXPECT_EQ(field.text, u"+81+");
    EXPECT_EQ(SendChars(field, u"*#", sender), 2);
    field = FieldWith(u"");
    EXPECT_EQ(SendChars(field, u"*#", sender), 2);
    EXPECT_EQ(field.text, u"");
}

TEST(NumberField, ReplacementsRunThroughTheFilterAgain) {
    EditField field = FieldWith(u"1");
    EXPECT_EQ(SendChars(field, u"\uFF50\u3000\uFF03", kDialEntry), 0);  // full-width p, ideographic space, #
    EXPECT_EQ(field.text, u"1p #");
    field = FieldWith(u"");
    EXPECT_EQ(SendChars(field, u"\uFF50\u3000", kDialEntry), 2);  // neither may start a number
    // A kana gives one half-width letter, which no number takes.
    EXPECT_EQ(SendChars(field, u"\u30AC", kDialEntry), 1);
    EXPECT_EQ(field.text, u"");
}

TEST(NumberField, DigitsOnlyBeforeSetUp) {
    EditField field = FieldWith(u"");
    EXPECT_EQ(SendChars(field, u"1*#T+ p2", FieldRules::Number(FaxEditMode::kDigitsOnly)), 6);
    EXPECT_EQ(field.text, u"12");
}

TEST(NumberField, TrailingPausesAreTidiedWhileTyping) {
    EditField field = FieldWith(u"");
    EXPECT_EQ(SendChars(field, u"12P34pp", kDialEntry), 0);
    EXPECT_EQ(field.text, u"12p34PP");
    EXPECT_EQ(field.caret, 7u);
}

TEST(NameField, HiraganaFoldsToHalfWidthKanaUnderType1Only) {
    EditField kana = FieldWith(u"");
    EXPECT_EQ(SendChars(kana, u"\u304C", kKanaName), 0);
    EXPECT_EQ(kana.text, u"\uFF76\uFF9E");
    EXPECT_EQ(kana.caret, 2u);
    EditField latin = FieldWith(u"");
    EXPECT_EQ(SendChars(latin, u"\u304C", kLatinName), 2);
    EXPECT_EQ(latin.text, u"");
}

TEST(NameField, AccentedLetterUnderType2Only) {
    EditField latin = FieldWith(u"Caf");
    EXPECT_EQ(SendChars(latin, u"\u00E9", kLatinName), 0);
    EXPECT_EQ(latin.text, u"Caf\u00E9");
    EditField kana = FieldWith(u"Caf");
    EXPECT_EQ(SendChars(kana, u"\u00E9", kKanaName), 1);
    EXPECT_EQ(kana.text, u"Caf");
}

TEST(NameField, TildeAndBackslashAlwaysBeep) {
    for (const FieldRules& rules : {kKanaName, kLatinName}) {
        EditField field = FieldWith(u"a");
        EXPECT_EQ(SendChars(field, u"~\\\uFF5E\uFF3C", rules), 4);
        EXPECT_EQ(field.text, u"a");
    }
}

TEST(NameField, CharacterSetFollowsTheDeviceTable) {
    for (char16_t c = 0x20; c <= 0x7D; ++c) {
        EXPECT_EQ(InNameCharSet(c, KeycodeSet::Kana), c != u'\\') << std::hex << int(c);
        EXPECT_EQ(InNameCharSet(c, KeycodeSet::Latin), c != u'\\') << std::hex << int(c);
    }
    for (char16_t c = 0xFF61; c <= 0xFF9F; ++c) {
        EXPECT_TRUE(InNameCharSet(c, KeycodeSet::Kana)) << std::hex << int(c);
        EXPECT_FALSE(InNameCharSet(c, KeycodeSet::Latin)) << std::hex << int(c);
    }
    for (char16_t c : std::u16string_view(u"\u00E5\u00E7\u00FE\u00C5\u00C7\u00DE")) {
        EXPECT_FALSE(InNameCharSet(c, KeycodeSet::Kana)) << std::hex << int(c);
        EXPECT_TRUE(InNameCharSet(c, KeycodeSet::Latin)) << std::hex << int(c);
    }
    for (char16_t c : std::u16string_view(u"\u007E\u007F\u00DF\u00FF\u0100\u3042\uFF60\uFFA0")) {
        EXPECT_FALSE(InNameCharSet(c, KeycodeSet::Kana)) << std::hex << int(c);
        EXPECT_FALSE(InNameCharSet(c, KeycodeSet::Latin)) << std::hex << int(c);
    }
}

TEST(NameField, SecondHalfOfAFoldedKanaBeepsWhenTheFieldIsFull) {
    EditField field = FieldWith(u"ab", 3);
    EXPECT_EQ(SendChars(field, u"\u30AC", kKanaName), 1);
    EXPECT_EQ(field.text, u"ab\uFF76");
}

TEST(Paste, ThirtyCharactersIntoTwentySendTwenty) {
    // Positions 3, 9 and 16 of the first twenty and 26 of the rest cannot go into a number.
    const std::u16string text = u"012a45678x012345-789012345a789";
    ASSERT_EQ(text.size(), 30u);
    EditField field = FieldWith(u"", 20);
    EXPECT_EQ(PasteChars(field, text, kDialEntry), 3);
    EXPECT_EQ(field.text, u"01245678012345789");
    EXPECT_EQ(field.caret, 17u);
}

TEST(Paste, CharactersThatFindTheFieldFullBeep) {
    EditField field = FieldWith(u"0123456789012345", 20);
    EXPECT_EQ(PasteChars(field, std::u16string(30, u'7'), kDialEntry), 16);
    EXPECT_EQ(field.text, u"01234567890123457777");
}

TEST(Paste, ControlCharactersAreDroppedNotObeyed) {
    EditField field = FieldWith(u"12");
    EXPECT_EQ(PasteChars(field, u"\b3\t\r\n4\x16\x01", kDialEntry), 0);
    EXPECT_EQ(field.text, u"1234");
}

TEST(Paste, CharactersBeyondTheBasicPlaneBeepOnce) {
    std::u16string text = u"A\U0001F600B";
    text += static_cast<char16_t>(0xD800);  // a lone surrogate
    EditField field = FieldWith(u"");
    EXPECT_EQ(PasteChars(field, text, kKanaName), 2);
    EXPECT_EQ(field.text, u"AB");
}

TEST(Paste, ReplacesTheSelection) {
    EditField field = FieldWithSelection(u"1234", 1, 3);
    EXPECT_EQ(PasteChars(field, u"\uFF19\uFF19", kDialEntry), 0);
    EXPECT_EQ(field.text, u"1994");
    EXPECT_EQ(field.caret, 3u);
}

TEST(Paste, FilterFieldTextPastesIntoAnEmptyField) {
    int refused = -1;
    EXPECT_EQ(FilterFieldText(u"\uFF10\uFF13\uFF0D1234 5p", kDialEntry, 20, &refused), u"031234 5P");
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(FilterFieldText(u"\u30AC\u30C3\u30B3\u30A6", kKanaName, 4, &refused),
              u"\uFF76\uFF9E\uFF6F\uFF7A");
    EXPECT_EQ(refused, 1);  // the last letter finds the field full
}

// ---- Tidy-up --------------------------------------------------------------------------------

struct TidyCase {
    std::u16string_view before;
    std::u16string_view after;
};

constexpr TidyCase kTidyCases[] = {
    {u"12P34pp", u"12p34PP"}, {u"p23", u"23"},  {u"Pp12", u"12"},   {u" 12", u"12"},      {u" \t 12", u"12"},
    {u" p 1p", u"1P"},        {u"p 1p", u"1P"}, {u"PPP", u""},      {u"1 2 P", u"1 2 P"}, {u"1pP2", u"1pp2"},
    {u"12", u"12"},           {u"", u""},       {u"T12p", u"T12P"}, {u"1p p", u"1p P"},   {u"\t1", u"\t1"},
};

TEST(TidyNumber, Examples) {
    for (const TidyCase& tidy : kTidyCases) {
        EditField field = FieldWith(std::u16string(tidy.before));
        EXPECT_EQ(TidyNumber(field), tidy.before != tidy.after)
            << std::string(tidy.before.begin(), tidy.before.end());
        EXPECT_EQ(field.text, tidy.after) << std::string(tidy.before.begin(), tidy.before.end());
        EXPECT_FALSE(TidyNumber(field));
    }
}

TEST(TidyNumber, DeletingTheLeadingDigitTakesTheFollowingPause) {
    EditField field = FieldWith(u"1p23");
    field.text.erase(0, 1);
    field.caret = field.anchor = 0;
    EXPECT_TRUE(TidyNumber(field));
    EXPECT_EQ(field.text, u"23");
    EXPECT_EQ(field.caret, 0u);
}

TEST(TidyNumber, SelectionStaysBetweenTheSameCharacters) {
    EditField pauses = FieldWithSelection(u"1P2", 2, 2);
    EXPECT_TRUE(TidyNumber(pauses));
    EXPECT_EQ(pauses.text, u"1p2");
    EXPECT_EQ(pauses.caret, 2u);

    EditField leading = FieldWithSelection(u" p12345", 3, 6);
    EXPECT_TRUE(TidyNumber(leading));
    EXPECT_EQ(leading.text, u"12345");
    EXPECT_EQ(leading.anchor, 1u);
    EXPECT_EQ(leading.caret, 4u);

    EditField inside = FieldWithSelection(u"  p1", 1, 0);
    EXPECT_TRUE(TidyNumber(inside));
    EXPECT_EQ(inside.text, u"1");
    EXPECT_EQ(inside.anchor, 0u);
    EXPECT_EQ(inside.caret, 0u);
}

TEST(TidyNumber, CutsToTheLimit) {
    EditField field = FieldWith(u"123456p", 5);
    EXPECT_TRUE(TidyNumber(field));
    EXPECT_EQ(field.text, u"12345");
    EXPECT_EQ(field.caret, 5u);
}

}  // namespace
}  // namespace orvane
