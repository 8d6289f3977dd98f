#include "emulator/charset.h"

#include <array>
#include <cstdint>

namespace orvane::sim {
namespace {

// Lower-case Latin letters of bytes 0x80..0x9B; the upper-case ones of 0xE0..0xFB follow the same order.
constexpr std::array<char16_t, 28> kLower = {0xE5, 0xE4, 0xE1, 0xE0, 0xE3, 0xE2, 0xEB, 0xE9, 0xE8, 0xEA,
                                             0xEF, 0xED, 0xEC, 0xEE, 0xF1, 0xF6, 0xF3, 0xF2, 0xF5, 0xF4,
                                             0xFC, 0xFA, 0xF9, 0xFB, 0xFD, 0xF8, 0xE6, 0xE7};
constexpr std::array<char16_t, 28> kUpper = {0xC5, 0xC4, 0xC1, 0xC0, 0xC3, 0xC2, 0xCB, 0xC9, 0xC8, 0xCA,
                                             0xCF, 0xCD, 0xCC, 0xCE, 0xD1, 0xD6, 0xD3, 0xD2, 0xD5, 0xD4,
                                             0xDC, 0xDA, 0xD9, 0xDB, 0xDD, 0xD8, 0xC6, 0xC7};

// Unicode code unit of every device byte; 0 marks a byte without a row.
std::array<char16_t, 256> BuildTable() {
    std::array<char16_t, 256> t{};
    for (int b = 0x20; b <= 0x7D; ++b) t[b] = b == 0x5C ? 0 : static_cast<char16_t>(b);
    for (int i = 0; i < 28; ++i) {
        t[0x80 + i] = kLower[i];
        t[0xE0 + i] = kUpper[i];
    }
    t[0x9E] = 0xFE;
    t[0xFE] = 0xDE;
    for (int b = 0xA1; b <= 0xDF; ++b) t[b] = static_cast<char16_t>(0xFF61 + (b - 0xA1));
    return t;
}

const std::array<char16_t, 256>& Table() {
    static const std::array<char16_t, 256> table = BuildTable();
    return table;
}

// Decodes one UTF-8 sequence at pos (advanced past it); -1 when malformed.
long NextCodePoint(std::string_view s, size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos++]);
    int extra = lead < 0x80             ? 0
                : (lead & 0xE0) == 0xC0 ? 1
                : (lead & 0xF0) == 0xE0 ? 2
                : (lead & 0xF8) == 0xF0 ? 3
                                        : -1;
    if (extra < 0 || pos + extra > s.size()) return -1;
    long cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto c = static_cast<unsigned char>(s[pos++]);
        if ((c & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (c & 0x3F);
    }
    return cp;
}

}  // namespace

bool Utf8ToDevice(std::string_view utf8, std::string& out) {
    out.clear();
    size_t pos = 0;
    while (pos < utf8.size()) {
        const long cp = NextCodePoint(utf8, pos);
        if (cp <= 0) return false;
        int found = -1;
        for (int b = 0; b < 256 && found < 0; ++b) {
            if (Table()[b] == cp) found = b;
        }
        if (found < 0) return false;
        out.push_back(static_cast<char>(found));
    }
    return true;
}

std::string DeviceByteToUtf8(unsigned char byte) {
    const char32_t cp = Table()[byte];
    std::string out;
    if (cp == 0) return out;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
    return out;
}

}  // namespace orvane::sim
