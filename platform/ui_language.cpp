#include "platform/ui_language.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

// A language's primary ID; its default variant is primary | 0x0400.
struct PrimaryLanguage {
    QLocale::Language language;
    std::uint16_t default_id;
};

constexpr std::array<PrimaryLanguage, 33> kPrimaries = {{
    {QLocale::Arabic, 0x0401},
    {QLocale::Bulgarian, 0x0402},
    {QLocale::Chinese, 0x0804},
    {QLocale::Czech, 0x0405},
    {QLocale::Danish, 0x0406},
    {QLocale::German, 0x0407},
    {QLocale::Greek, 0x0408},
    {QLocale::English, 0x0409},
    {QLocale::Spanish, 0x0C0A},
    {QLocale::Finnish, 0x040B},
    {QLocale::French, 0x040C},
    {QLocale::Hebrew, 0x040D},
    {QLocale::Hungarian, 0x040E},
    {QLocale::Italian, 0x0410},
    {QLocale::Japanese, 0x0411},
    {QLocale::Korean, 0x0412},
    {QLocale::Dutch, 0x0413},
    {QLocale::NorwegianBokmal, 0x0414},
    {QLocale::NorwegianNynorsk, 0x0814},
    {QLocale::Polish, 0x0415},
    {QLocale::Portuguese, 0x0416},
    {QLocale::Romanian, 0x0418},
    {QLocale::Russian, 0x0419},
    {QLocale::Slovak, 0x041B},
    {QLocale::Swedish, 0x041D},
    {QLocale::Thai, 0x041E},
    {QLocale::Turkish, 0x041F},
    {QLocale::Indonesian, 0x0421},
    {QLocale::Ukrainian, 0x0422},
    {QLocale::Slovenian, 0x0424},
    {QLocale::Estonian, 0x0425},
    {QLocale::Latvian, 0x0426},
    {QLocale::Lithuanian, 0x0427},
}};

// Variants whose ID differs from the language's default.
struct RegionalVariant {
    QLocale::Language language;
    QLocale::Territory territory;
    std::uint16_t id;
};

constexpr std::array<RegionalVariant, 21> kVariants = {{
    {QLocale::Arabic, QLocale::Iraq, 0x0801},           {QLocale::Arabic, QLocale::Egypt, 0x0C01},
    {QLocale::Arabic, QLocale::Algeria, 0x1401},        {QLocale::Arabic, QLocale::Morocco, 0x1801},
    {QLocale::Chinese, QLocale::Taiwan, 0x0404},        {QLocale::Chinese, QLocale::HongKong, 0x0C04},
    {QLocale::Chinese, QLocale::Singapore, 0x1004},     {QLocale::Chinese, QLocale::Macao, 0x1404},
    {QLocale::German, QLocale::Switzerland, 0x0807},    {QLocale::German, QLocale::Austria, 0x0C07},
    {QLocale::English, QLocale::UnitedKingdom, 0x0809}, {QLocale::English, QLocale::Australia, 0x0C09},
    {QLocale::English, QLocale::Canada, 0x1009},        {QLocale::Spanish, QLocale::Mexico, 0x080A},
    {QLocale::French, QLocale::Belgium, 0x080C},        {QLocale::French, QLocale::Canada, 0x0C0C},
    {QLocale::French, QLocale::Switzerland, 0x100C},    {QLocale::Italian, QLocale::Switzerland, 0x0810},
    {QLocale::Dutch, QLocale::Belgium, 0x0813},         {QLocale::Portuguese, QLocale::Portugal, 0x0816},
    {QLocale::Swedish, QLocale::Finland, 0x081D},
}};

constexpr std::uint16_t kEnglish = 0x0409;
constexpr std::uint16_t kChineseTraditional = 0x0404;

}  // namespace

std::uint16_t LanguageIdForLocale(const QLocale& locale) {
    const QLocale::Language language = locale.language();
    for (const RegionalVariant& v : kVariants) {
        if (v.language == language && v.territory == locale.territory()) return v.id;
    }
    if (language == QLocale::Chinese && locale.script() == QLocale::TraditionalChineseScript) {
        return kChineseTraditional;
    }
    const auto found = std::find_if(kPrimaries.begin(), kPrimaries.end(),
                                    [&](const PrimaryLanguage& p) { return p.language == language; });
    return found == kPrimaries.end() ? kEnglish : found->default_id;
}

std::uint16_t UserUiLanguage() {
    return LanguageIdForLocale(QLocale::system());
}

}  // namespace orvane
