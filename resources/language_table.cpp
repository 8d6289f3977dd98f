#include "resources/language_table.h"

#include <algorithm>
#include <array>

#include "resources/resource_ids.h"

namespace orvane {
namespace {

constexpr std::array<LanguageRow, 32> kRows = {{
    {0x0401, "ORVI_AR.qm", "Arabic", "العربية"},
    {0x0402, "ORVI_BG.qm", "Bulgarian", "Български"},
    {0x0804, "ORVI_SC.qm", "Chinese (Simplified)", "简体中文"},
    {0x0404, "ORVI_TC.qm", "Chinese (Traditional)", "繁體中文"},
    {0x0405, "ORVI_CS.qm", "Czech", "Čeština"},
    {0x0406, "ORVI_DA.qm", "Danish", "Dansk"},
    {0x0413, "ORVI_NL.qm", "Dutch", "Nederlands"},
    {0x0409, "ORVI_EN.qm", "English", "English"},
    {0x0425, "ORVI_ET.qm", "Estonian", "Eesti"},
    {0x040B, "ORVI_FI.qm", "Finnish", "Suomi"},
    {0x040C, "ORVI_FR.qm", "French", "Français"},
    {0x0407, "ORVI_DE.qm", "German", "Deutsch"},
    {0x0408, "ORVI_EL.qm", "Greek", "Ελληνικά"},
    {0x040E, "ORVI_HU.qm", "Hungarian", "Magyar"},
    {0x0421, "ORVI_ID.qm", "Indonesian", "Bahasa Indonesia"},
    {0x0410, "ORVI_IT.qm", "Italian", "Italiano"},
    {0x0411, "ORVI_JP.qm", "Japanese", "日本語"},
    {0x0412, "ORVI_KO.qm", "Korean", "한국어"},
    {0x0426, "ORVI_LV.qm", "Latvian", "Latviešu"},
    {0x0427, "ORVI_LT.qm", "Lithuanian", "Lietuvių"},
    {0x0414, "ORVI_NO.qm", "Norwegian", "Norsk"},
    {0x0415, "ORVI_PL.qm", "Polish", "Polski"},
    {0x0416, "ORVI_PT.qm", "Portuguese", "Português"},
    {0x0418, "ORVI_RO.qm", "Romanian", "Română"},
    {0x0419, "ORVI_RU.qm", "Russian", "Русский"},
    {0x041B, "ORVI_SK.qm", "Slovak", "Slovenčina"},
    {0x0424, "ORVI_SL.qm", "Slovenian", "Slovenščina"},
    {0x0C0A, "ORVI_ES.qm", "Spanish", "Español"},
    {0x041D, "ORVI_SV.qm", "Swedish", "Svenska"},
    {0x041E, "ORVI_TH.qm", "Thai", "ไทย"},
    {0x041F, "ORVI_TR.qm", "Turkish", "Türkçe"},
    {0x0422, "ORVI_UK.qm", "Ukrainian", "Українська"},
}};

// One table of string 10000: the UI language it serves and the text it holds.
struct DefaultLanguageTable {
    std::uint16_t ui_language;
    std::string_view text;
};

// Within a primary language the first table is the fallback for its other variants.
constexpr std::array<DefaultLanguageTable, 33> kDefaultTables = {{
    {0x0401, "0401"}, {0x0402, "0402"}, {0x0804, "0804"}, {0x0404, "0404"}, {0x0405, "0405"},
    {0x0406, "0406"}, {0x0407, "0407"}, {0x0408, "0408"}, {0x0409, "0409"}, {0x0C0A, "0c0a"},
    {0x040B, "040b"}, {0x040C, "040c"}, {0x040E, "040e"}, {0x0410, "0410"}, {0x0411, "0411"},
    {0x0412, "0412"}, {0x0413, "0413"}, {0x0414, "0414"}, {0x0415, "0415"}, {0x0416, "0416"},
    {0x0816, "0416"}, {0x0418, "0418"}, {0x0419, "0419"}, {0x041B, "041b"}, {0x041D, "041d"},
    {0x041E, "041e"}, {0x041F, "041f"}, {0x0421, "0421"}, {0x0422, "0422"}, {0x0424, "0424"},
    {0x0425, "0425"}, {0x0426, "0426"}, {0x0427, "0427"},
}};

constexpr std::uint16_t kPrimaryMask = 0x03FF;
constexpr std::uint16_t kEnglishUs = 0x0409;
constexpr std::uint16_t kChineseTraditional = 0x0404;

// Hong Kong (sublanguage 3) and Macao (sublanguage 5) write Traditional Chinese.
bool WritesTraditionalChinese(std::uint16_t id) {
    const int sublanguage = id >> 10;
    return (id & kPrimaryMask) == (kChineseTraditional & kPrimaryMask) &&
           (sublanguage == 3 || sublanguage == 5);
}

std::string_view TableTextFor(std::uint16_t ui_language) {
    const auto found =
        std::find_if(kDefaultTables.begin(), kDefaultTables.end(),
                     [&](const DefaultLanguageTable& t) { return t.ui_language == ui_language; });
    return found == kDefaultTables.end() ? std::string_view() : found->text;
}

}  // namespace

std::span<const LanguageRow> LanguageModuleTable() {
    return kRows;
}

const LanguageRow* FindLanguageRow(std::uint16_t id) {
    const auto found =
        std::find_if(kRows.begin(), kRows.end(), [&](const LanguageRow& r) { return r.id == id; });
    return found == kRows.end() ? nullptr : &*found;
}

std::string_view LanguageNameString(int id) {
    const auto row_of = [](int offset) { return static_cast<std::size_t>(offset - 1); };
    if (id > ids::kIdsEnglishNameBase && id <= ids::kIdsEnglishNameBase + static_cast<int>(kRows.size())) {
        return kRows[row_of(id - ids::kIdsEnglishNameBase)].englishName;
    }
    if (id > ids::kIdsNativeNameBase && id <= ids::kIdsNativeNameBase + static_cast<int>(kRows.size())) {
        return kRows[row_of(id - ids::kIdsNativeNameBase)].nativeName;
    }
    return {};
}

std::string_view DefaultLanguageText(std::uint16_t ui_language) {
    if (const std::string_view exact = TableTextFor(ui_language); !exact.empty()) return exact;
    if (WritesTraditionalChinese(ui_language)) return TableTextFor(kChineseTraditional);
    const auto same_primary = std::find_if(kDefaultTables.begin(), kDefaultTables.end(), [&](const auto& t) {
        return (t.ui_language & kPrimaryMask) == (ui_language & kPrimaryMask);
    });
    return same_primary != kDefaultTables.end() ? same_primary->text : TableTextFor(kEnglishUs);
}

}  // namespace orvane
