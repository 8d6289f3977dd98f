// The text encodings that address books and spreadsheets save in, told apart by their bytes and
// converted to UTF-8: UTF-8 with or without a byte-order mark, UTF-16 with one, and otherwise the
// local 8-bit code page, as Windows programs write their "ANSI" files.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// How the bytes of a text file are encoded.
enum class TextEncoding {
    Utf8,      // well-formed UTF-8 without a byte-order mark
    Utf8Bom,   // UTF-8 after the byte-order mark EF BB BF
    Utf16Le,   // UTF-16 little endian after the byte-order mark FF FE
    Utf16Be,   // UTF-16 big endian after the byte-order mark FE FF
    CodePage,  // anything else: bytes of an 8-bit code page
};

// The encoding of `bytes`: a byte-order mark decides; without one, UTF-8 when the bytes are
// well-formed UTF-8, else CodePage.
TextEncoding DetectTextEncoding(std::string_view bytes);

// The local 8-bit code page for texts that are not Unicode: the character set of the user's
// locale (LC_ALL, LC_CTYPE, LANG) unless that is UTF-8 or plain ASCII, in which case
// "WINDOWS-1252", the code page such files come from.
std::string LocalCodePage();

// `bytes` in `encoding` as UTF-8, without a byte-order mark. `code_page` (an iconv name) is used
// for CodePage; a byte it has no character for, an unpaired surrogate or an odd last byte of
// UTF-16 becomes U+FFFD. A code page iconv does not know is read as ISO-8859-1.
std::string TextToUtf8(std::string_view bytes, TextEncoding encoding, const std::string& code_page);

}  // namespace orvane
