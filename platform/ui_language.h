// The user's user-interface language as a Windows language ID, the form the language setting and
// the language modules use.
#pragma once

#include <QLocale>
#include <cstdint>

namespace orvane {

// The language ID of `locale`: its language and territory when both are known, else the
// language's default variant; 0x0409 (English) for languages the program does not know.
std::uint16_t LanguageIdForLocale(const QLocale& locale);

// The language ID of the system locale as Qt reports it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
std::uint16_t UserUiLanguage();

}  // namespace orvane
