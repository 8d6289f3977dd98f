// The system locale's character encoding, standing for the ANSI code page: the input rules detach
// the input method from number and name fields under the Korean code page.
#pragma once

#include <string_view>

namespace orvane {

// True when a POSIX locale name ("ko_KR.UTF-8", "ko", "ko_KR@euro") names the Korean language.
bool IsKoreanLocaleName(std::string_view name);

// True when the locale that decides the character encoding (LC_ALL, else LC_CTYPE, else LANG, as
// the C library chooses it) is Korean.
bool SystemLocaleIsKorean();

}  // namespace orvane
