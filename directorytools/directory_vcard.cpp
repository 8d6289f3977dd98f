#include "directorytools/directory_vcard.h"

#include "text/utf_text.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace orvane {
namespace {

constexpr std::size_t kFoldWidth = 75;

std::string Upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::toupper(c); });
    return out;
}

// A value with the characters vCard escapes escaped.
std::string Escaped(std::u16string_view text) {
    std::string out;
    for (char c : Utf16ToUtf8(text)) {
        if (c == '\\' || c == ',' || c == ';') out += '\\';
        if (c == '\n') {
            out += "\\n";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

// One content line folded so that no line exceeds kFoldWidth bytes, never inside a UTF-8 sequence.
std::string Folded(const std::string& line) {
    std::string out;
    std::size_t width = 0;
    for (std::size_t i = 0; i < line.size();) {
        std::size_t length = 1;
        while (i + length < line.size() && (static_cast<unsigned char>(line[i + length]) & 0xC0) == 0x80)
            ++length;
        if (width + length > kFoldWidth) {
            out += "\r\n ";
            width = 1;
        }
        out.append(line, i, length);
        width += length;
        i += length;
    }
    return out + "\r\n";
}

std::string Card(const std::vector<std::string>& lines) {
    std::string out = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    for (const std::string& line : lines) out += Folded(line);
    return out + "END:VCARD\r\n";
}

// One content line: group.NAME;PARAM=VALUE:value, unfolded.
struct ContentLine {
    std::size_t line = 0;
    std::string name;  // upper case, without the group
    std::vector<std::pair<std::string, std::string>>
        params;  // upper-case names; a bare "FAX" has an empty name
    std::string value;
};

std::vector<std::string> SplitParams(std::string_view text) {
    std::vector<std::string> parts;
    std::string part;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (c == ';' && !quoted) {
            parts.push_back(std::move(part));
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(std::move(part));
    return parts;
}

bool ParseContentLine(std::string_view text, std::size_t line, ContentLine* out) {
    bool quoted = false;
    std::size_t colon = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        if (text[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon == std::string_view::npos) return false;
    out->line = line;
    out->value = std::string(text.substr(colon + 1));
    std::vector<std::string> parts = SplitParams(text.substr(0, colon));
    std::string name = parts.front();
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos) name = name.substr(dot + 1);
    out->name = Upper(name);
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::size_t equals = parts[i].find('=');
        std::string key = equals == std::string::npos ? "" : Upper(parts[i].substr(0, equals));
        std::string value = equals == std::string::npos ? parts[i] : parts[i].substr(equals + 1);
        value.erase(std::remove(value.begin(), value.end(), '"'), value.end());
        out->params.emplace_back(std::move(key), Upper(value));
    }
    return true;
}

bool HasParam(const ContentLine& line, std::string_view key, std::string_view value) {
    for (const auto& [name, values] : line.params) {
        if (name != key && !(key == "TYPE" && name.empty())) continue;
        std::string list = "," + values + ",";
        if (list.find("," + std::string(value) + ",") != std::string::npos) return true;
    }
    return false;
}

std::string ParamValue(const ContentLine& line, std::string_view key) {
    for (const auto& [name, value] : line.params) {
        if (name == key) return value;
    }
    return {};
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string QuotedPrintable(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
            HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The text of a value: decoded, converted to UTF-16, backslash escapes resolved. Nothing for text
// that is not UTF-8 (unless CHARSET names ISO-8859-1).
std::optional<std::u16string> Text(const ContentLine& line, std::string_view raw) {
    std::string bytes =
        HasParam(line, "ENCODING", "QUOTED-PRINTABLE") || HasParam(line, "TYPE", "QUOTED-PRINTABLE")
            ? QuotedPrintable(raw)
            : std::string(raw);
    std::u16string text;
    const std::string charset = ParamValue(line, "CHARSET");
    if (charset == "ISO-8859-1" || charset == "LATIN1") {
        for (char c : bytes) text += static_cast<char16_t>(static_cast<unsigned char>(c));
    } else if (!Utf8ToUtf16(bytes, &text)) {
        return std::nullopt;
    }
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            ++i;
            out += text[i] == u'n' || text[i] == u'N' ? u'\n' : text[i];
        } else {
            out += text[i];
        }
    }
    return out;
}

// The components of a structured value (N), split at unescaped ";".
std::vector<std::string> Components(std::string_view value) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            parts.back() += value.substr(i, 2);
            ++i;
        } else if (value[i] == ';') {
            parts.emplace_back();
        } else {
            parts.back() += value[i];
        }
    }
    return parts;
}

// Collects one card's properties.
class CardReader {
  public:
    explicit CardReader(std::size_t line) : line_(line) {}

    bool Add(const ContentLine& property, std::string* error) {
        if (property.name == "FN") return Store(property, property.value, &fn_, error);
        if (property.name == "N") {
            const std::vector<std::string> parts = Components(property.value);
            // family;given;additional;prefix;suffix: given names first.
            std::string joined;
            for (std::size_t index : {std::size_t{1}, std::size_t{2}, std::size_t{0}}) {
                if (index < parts.size() && !parts[index].empty())
                    joined += (joined.empty() ? "" : " ") + parts[index];
            }
            return Store(property, joined, &n_, error);
        }
        if (property.name == "TEL") {
            std::string value = property.value;
            if (Upper(value.substr(0, 4)) == "TEL:") value = value.substr(4);
            const bool fax = HasParam(property, "TYPE", "FAX");
            if (fax && !fax_) return Store(property, value, &fax_, error);
            if (!first_tel_) return Store(property, value, &first_tel_, error);
            return true;
        }
        if (property.name == "X-ORVANE-SLOT") return Store(property, property.value, &slot_, error);
        if (property.name == "X-ORVANE-KIND") return Store(property, property.value, &kind_, error);
        if (property.name == "X-ORVANE-MEMBERS") return Store(property, property.value, &members_, error);
        return true;
    }

    void Finish(PortableDirectory* directory) const {
        const std::u16string name = fn_ && !fn_->empty() ? *fn_ : n_.value_or(u"");
        const std::u16string number = fax_ ? *fax_ : first_tel_.value_or(u"");
        const std::string slot = Utf16ToUtf8(slot_.value_or(u""));
        const std::string kind = Upper(Utf16ToUtf8(kind_.value_or(u"")));
        if (kind == "SENDER") {
            directory->sender = PortableSender{name, number, line_};
        } else if (kind == "REJECTED") {
            directory->rejects.push_back({slot, number, line_});
        } else if (kind == "GROUP") {
            std::vector<std::string> ids;
            std::string id;
            for (char c : Utf16ToUtf8(members_.value_or(u"")) + " ") {
                if (c != ' ') {
                    id += c;
                } else if (!id.empty()) {
                    ids.push_back(std::move(id));
                    id.clear();
                }
            }
            directory->entries.push_back({slot, EntryKind::Group, name, u"", std::move(ids), line_});
        } else {
            directory->entries.push_back({slot, EntryKind::Individual, name, number, {}, line_});
        }
    }

  private:
    static bool Store(const ContentLine& property, std::string_view raw, std::optional<std::u16string>* out,
                      std::string* error) {
        std::optional<std::u16string> text = Text(property, raw);
        if (!text) {
            *error = "line " + std::to_string(property.line) + ": the text is not valid UTF-8";
            return false;
        }
        *out = std::move(*text);
        return true;
    }

    std::size_t line_;
    std::optional<std::u16string> fn_, n_, fax_, first_tel_, slot_, kind_, members_;
};

// Splits the text into unfolded content lines with the number of the line each starts on.
std::vector<std::pair<std::size_t, std::string>> Unfolded(std::string_view text) {
    std::vector<std::pair<std::size_t, std::string>> lines;
    std::size_t number = 0;
    std::size_t pos = 0;
    bool soft_break = false;  // a quoted-printable line ending in "=" goes on in the next line
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(pos, end - pos));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ++number;
        if (!lines.empty() && (soft_break || (!line.empty() && (line[0] == ' ' || line[0] == '\t')))) {
            lines.back().second += soft_break ? line : line.substr(1);
        } else if (!line.empty()) {
            lines.emplace_back(number, line);
        }
        soft_break = !lines.empty() && lines.back().second.ends_with('=') &&
                     Upper(lines.back().second).find("QUOTED-PRINTABLE") != std::string::npos;
        if (soft_break) lines.back().second.pop_back();
        pos = end + 1;
    }
    return lines;
}

}  // namespace

std::string DirectoryVcard(const PortableDirectory& directory) {
    std::string out;
    for (const PortableEntry& entry : directory.entries) {
        if (entry.kind == EntryKind::Individual) {
            out += Card({"FN:" + Escaped(entry.name), "N:" + Escaped(entry.name) + ";;;;",
                         "TEL;TYPE=FAX:" + Escaped(entry.number), "X-ORVANE-SLOT:" + entry.id});
        } else if (entry.kind == EntryKind::Group) {
            out +=
                Card({"FN:" + Escaped(entry.name), "N:" + Escaped(entry.name) + ";;;;", "X-ORVANE-KIND:group",
                      "X-ORVANE-SLOT:" + entry.id, "X-ORVANE-MEMBERS:" + Joined(entry.members, " ")});
        }
    }
    if (directory.sender) {
        out += Card({"FN:" + Escaped(directory.sender->name), "N:" + Escaped(directory.sender->name) + ";;;;",
                     "TEL;TYPE=FAX:" + Escaped(directory.sender->number), "X-ORVANE-KIND:sender"});
    }
    for (const PortableReject& reject : directory.rejects) {
        if (reject.number.empty()) continue;
        out +=
            Card({"FN:Rejected " + reject.id, "N:Rejected " + reject.id + ";;;;",
                  "TEL:" + Escaped(reject.number), "X-ORVANE-KIND:rejected", "X-ORVANE-SLOT:" + reject.id});
    }
    return out;
}

bool ParseDirectoryVcard(std::string_view text, PortableDirectory* directory, std::string* error) {
    *directory = PortableDirectory{};
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::optional<CardReader> card;
    std::size_t opened = 0;
    bool any = false;
    for (const auto& [number, raw] : Unfolded(text)) {
        ContentLine line;
        if (!ParseContentLine(raw, number, &line)) {
            *error = "line " + std::to_string(number) + ": a line without \":\"";
            return false;
        }
        const std::string value = Upper(line.value);
        if (line.name == "BEGIN" && value == "VCARD") {
            if (card) {
                *error = "line " + std::to_string(opened) + ": BEGIN:VCARD without END:VCARD";
                return false;
            }
            card.emplace(number);
            opened = number;
        } else if (line.name == "END" && value == "VCARD") {
            if (!card) {
                *error = "line " + std::to_string(number) + ": END:VCARD without BEGIN:VCARD";
                return false;
            }
            card->Finish(directory);
            card.reset();
            any = true;
        } else if (!card) {
            *error = "line " + std::to_string(number) + ": a property outside BEGIN:VCARD and END:VCARD";
            return false;
        } else if (!card->Add(line, error)) {
            return false;
        }
    }
    if (card) {
        *error = "line " + std::to_string(opened) + ": BEGIN:VCARD without END:VCARD";
        return false;
    }
    if (!any) {
        *error = "line 1: the file holds no vCard";
        return false;
    }
    return true;
}

}  // namespace orvane
