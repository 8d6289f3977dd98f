#include "text/utf_text.h"

#include <algorithm>

namespace orvane {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsSurrogate(char32_t code) {
    return code >= 0xD800 && code <= 0xDFFF;
}

// Decodes one code point at `*pos`, advancing it; false for a malformed sequence.
bool DecodeUtf8(std::string_view text, std::size_t* pos, char32_t* code) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(*pos);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        *code = lead;
        ++*pos;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, *code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, *code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, *code = lead & 0x07;
    } else {
        return false;
    }
    if (text.size() - *pos < length) return false;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(*pos + i) & 0xC0) != 0x80) return false;
        *code = (*code << 6) | (byte(*pos + i) & 0x3F);
    }
    if (*code < minimum || *code > 0x10FFFF || IsSurrogate(*code)) return false;
    *pos += length;
    return true;
}

}  // namespace

void AppendUtf8(char32_t code, std::string* out) {
    if (IsSurrogate(code) || code > 0x10FFFF) code = kReplacement;
    if (code < 0x80) {
        *out += static_cast<char>(code);
    } else if (code < 0x800) {
        *out += static_cast<char>(0xC0 | (code >> 6));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out += static_cast<char>(0xE0 | (code >> 12));
        *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        *out += static_cast<char>(0xF0 | (code >> 18));
        *out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    char32_t code = 0;
    while (pos < text.size()) {
        if (!DecodeUtf8(text, &pos, &code)) return false;
    }
    return true;
}

bool Utf8ToUtf16(std::string_view utf8, std::u16string* out) {
    out->clear();
    std::size_t pos = 0;
    char32_t code = 0;
    while (pos < utf8.size()) {
        if (!DecodeUtf8(utf8, &pos, &code)) return false;
        if (code < 0x10000) {
            *out += static_cast<char16_t>(code);
        } else {
            *out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            *out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return true;
}

bool Utf8ToUtf16Le(std::string_view utf8, std::string* out) {
    std::u16string units;
    if (!Utf8ToUtf16(utf8, &units)) return false;
    out->clear();
    for (char16_t unit : units) {
        out->push_back(static_cast<char>(unit & 0xFF));
        out->push_back(static_cast<char>(unit >> 8));
    }
    return true;
}

std::string_view Utf8Prefix(std::string_view utf8, std::size_t count) {
    std::size_t pos = 0;
    char32_t code = 0;
    for (std::size_t n = 0; n < count && pos < utf8.size(); ++n) {
        if (!DecodeUtf8(utf8, &pos, &code)) break;
    }
    return utf8.substr(0, pos);
}

std::size_t CodePointCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t code = utf16[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        }
        AppendUtf8(code, &out);
    }
    return out;
}

std::string QuotedText(std::u16string_view text) {
    return "\"" + Utf16ToUtf8(text) + "\"";
}

std::string Joined(const std::vector<std::string>& items, std::string_view separator) {
    std::string out;
    for (const std::string& item : items) {
        if (!out.empty()) out += separator;
        out += item;
    }
    return out;
}

}  // namespace orvane
