#include "platform/system_locale.h"

#include <QByteArray>
#include <QtGlobal>
#include <array>

namespace orvane {
namespace {

// The variables the C library consults for the character type category, strongest first.
constexpr std::array<const char*, 3> kCharacterTypeVariables = {"LC_ALL", "LC_CTYPE", "LANG"};

}  // namespace

bool IsKoreanLocaleName(std::string_view name) {
    const std::string_view language = name.substr(0, name.find_first_of("_.@"));
    return language == "ko";
}

bool SystemLocaleIsKorean() {
    for (const char* variable : kCharacterTypeVariables) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty()) return IsKoreanLocaleName(std::string_view(value.constData(), value.size()));
    }
    return false;
}

}  // namespace orvane
