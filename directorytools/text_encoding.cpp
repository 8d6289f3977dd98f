#include "directorytools/text_encoding.h"

#include "remotesetup/text_codec.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <array>
#include <cerrno>

namespace orvane {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

std::string Utf16BytesToUtf8(std::string_view bytes, bool big_endian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(big_endian ? (first << 8 | second) : (second << 8 | first));
    }
    std::string text = Utf16ToUtf8(units);  // unpaired surrogates become U+FFFD
    if (bytes.size() % 2 != 0) AppendUtf8(kReplacement, &text);
    return text;
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string text;
    for (char byte : bytes) AppendUtf8(static_cast<unsigned char>(byte), &text);
    return text;
}

// Converts through iconv; false when it does not know `code_page`.
bool CodePageToUtf8(std::string_view bytes, const std::string& code_page, std::string* text) {
    iconv_t converter = iconv_open("UTF-8", code_page.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) return false;
    std::array<char, 4096> buffer;
    char* in = const_cast<char*>(bytes.data());  // iconv's signature; it does not write the input
    std::size_t in_left = bytes.size();
    while (in_left > 0) {
        char* out = buffer.data();
        std::size_t out_left = buffer.size();
        const std::size_t converted = iconv(converter, &in, &in_left, &out, &out_left);
        text->append(buffer.data(), static_cast<std::size_t>(out - buffer.data()));
        if (converted != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        // A byte without a character, or a sequence cut off at the end.
        AppendUtf8(kReplacement, text);
        if (errno != EILSEQ) break;
        ++in;
        --in_left;
    }
    iconv_close(converter);
    return true;
}

}  // namespace

TextEncoding DetectTextEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) return TextEncoding::Utf8Bom;
    if (bytes.starts_with(kUtf16LeBom)) return TextEncoding::Utf16Le;
    if (bytes.starts_with(kUtf16BeBom)) return TextEncoding::Utf16Be;
    return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::CodePage;
}

std::string LocalCodePage() {
    std::string code_set;
    // The user's locale as the environment names it, without touching the process's own.
    if (locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr))) {
        code_set = nl_langinfo_l(CODESET, locale);
        freelocale(locale);
    }
    if (code_set.empty() || code_set == "UTF-8" || code_set == "ANSI_X3.4-1968") return "WINDOWS-1252";
    return code_set;
}

std::string TextToUtf8(std::string_view bytes, TextEncoding encoding, const std::string& code_page) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return std::string(bytes);
        case TextEncoding::Utf8Bom:
            return std::string(bytes.substr(kUtf8Bom.size()));
        case TextEncoding::Utf16Le:
            return Utf16BytesToUtf8(bytes.substr(kUtf16LeBom.size()), false);
        case TextEncoding::Utf16Be:
            return Utf16BytesToUtf8(bytes.substr(kUtf16BeBom.size()), true);
        case TextEncoding::CodePage:
            break;
    }
    std::string text;
    if (!CodePageToUtf8(bytes, code_page, &text)) return Latin1ToUtf8(bytes);
    return text;
}

}  // namespace orvane
