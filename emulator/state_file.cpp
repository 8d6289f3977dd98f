#include "emulator/state_file.h"

#include <unistd.h>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "emulator/charset.h"

namespace orvane::sim {
namespace {

// Quotes device bytes as UTF-8 with escapes.
std::string Quote(std::string_view device) {
    std::string out = "\"";
    for (const char c : device) {
        const auto byte = static_cast<unsigned char>(c);
        const std::string utf8 = byte >= 0x20 ? DeviceByteToUtf8(byte) : "";
        if (c == '"') {
            out += "\\\"";
        } else if (!utf8.empty()) {
            out += utf8;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        }
    }
    return out + "\"";
}

const char* KindName(SlotKind kind) {
    switch (kind) {
        case SlotKind::Individual:
            return "individual";
        case SlotKind::Group:
            return "group";
        case SlotKind::Empty:
            break;
    }
    return "empty";
}

// Splits one line into words; a quoted word is unescaped and converted to device bytes.
class LineReader {
  public:
    explicit LineReader(std::string_view line) : line_(line) {}

    bool Word(std::string& word) {
        SkipSpace();
        const std::size_t start = pos_;
        while (pos_ < line_.size() && line_[pos_] != ' ' && line_[pos_] != '\t') ++pos_;
        word = std::string(line_.substr(start, pos_ - start));
        return !word.empty() && word[0] != '"';
    }

    bool Quoted(std::string& device) {
        SkipSpace();
        if (pos_ >= line_.size() || line_[pos_] != '"') return false;
        std::string utf8run;
        device.clear();
        for (++pos_; pos_ < line_.size(); ++pos_) {
            const char c = line_[pos_];
            if (c == '"') return Flush(utf8run, device) && (++pos_, true);
            if (c != '\\') {
                utf8run += c;
                continue;
            }
            if (!Flush(utf8run, device) || ++pos_ >= line_.size()) return false;
            if (line_[pos_] == '"') {
                device += '"';
            } else if (line_[pos_] == 'x' && pos_ + 2 < line_.size()) {
                device += static_cast<char>(std::stoi(std::string(line_.substr(pos_ + 1, 2)), nullptr, 16));
                pos_ += 2;
            } else {
                return false;
            }
        }
        return false;
    }

    bool AtEnd() {
        SkipSpace();
        return pos_ == line_.size();
    }

  private:
    static bool Flush(std::string& utf8run, std::string& device) {
        std::string bytes;
        if (!Utf8ToDevice(utf8run, bytes)) return false;
        device += bytes;
        utf8run.clear();
        return true;
    }

    void SkipSpace() {
        while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t')) ++pos_;
    }

    std::string_view line_;
    std::size_t pos_ = 0;
};

bool IsHex2(std::string_view s) {
    return s.size() == 2 && std::isxdigit(static_cast<unsigned char>(s[0])) &&
           std::isxdigit(static_cast<unsigned char>(s[1]));
}

// Rejects a \x escape that is not two hex digits before LineReader converts it.
bool EscapesValid(std::string_view line) {
    for (std::size_t pos = line.find("\\x"); pos != std::string_view::npos; pos = line.find("\\x", pos + 2)) {
        if (!IsHex2(line.substr(pos + 2, 2))) return false;
    }
    return true;
}

std::string ParseDial(LineReader& in, Directory& out) {
    DialSlot slot;
    std::string kind;
    if (!in.Word(slot.id) || slot.id.size() > 3 || !in.Word(kind)) return "dial needs an ID and a kind";
    if (kind == "individual") {
        slot.kind = SlotKind::Individual;
        if (!in.Quoted(slot.name) || !in.Quoted(slot.number)) return "individual needs a name and a number";
    } else if (kind == "group") {
        slot.kind = SlotKind::Group;
        if (!in.Quoted(slot.name)) return "group needs a name";
        for (std::string member; in.Word(member);) slot.members.push_back(member);
    } else if (kind != "empty") {
        return "unknown kind " + kind;
    }
    out.dials.push_back(std::move(slot));
    return "";
}

std::string ParseLine(std::string_view line, Directory& out) {
    if (!EscapesValid(line)) return "\\x needs two hex digits";
    LineReader in(line);
    std::string key;
    if (!in.Word(key)) return "record name missing";
    std::string error;
    if (key == "sender") {
        if (!in.Quoted(out.sender_name) || !in.Quoted(out.sender_number))
            error = "sender needs a name and a number";
    } else if (key == "dial") {
        error = ParseDial(in, out);
    } else if (key == "reject") {
        std::string id, number;
        if (!in.Word(id) || !in.Quoted(number)) return "reject needs an ID and a number";
        if (id != TwoDigitId(static_cast<long>(out.rejects.size()) + 1)) {
            return "reject " + id + " out of order";
        }
        out.rejects.push_back(number);
    } else {
        error = "unknown record " + key;
    }
    if (error.empty() && !in.AtEnd()) error = "unexpected text at the end";
    return error;
}

}  // namespace

std::string FormatState(const Directory& d) {
    std::ostringstream out;
    out << "# orvane-printer-sim directory state\n";
    out << "sender " << Quote(d.sender_name) << ' ' << Quote(d.sender_number) << '\n';
    for (const auto& slot : d.dials) {
        out << "dial " << slot.id << ' ' << KindName(slot.kind);
        if (slot.kind == SlotKind::Individual) out << ' ' << Quote(slot.name) << ' ' << Quote(slot.number);
        if (slot.kind == SlotKind::Group) {
            out << ' ' << Quote(slot.name);
            for (const auto& member : slot.members) out << ' ' << member;
        }
        out << '\n';
    }
    for (std::size_t i = 0; i < d.rejects.size(); ++i) {
        out << "reject " << TwoDigitId(static_cast<long>(i) + 1) << ' ' << Quote(d.rejects[i]) << '\n';
    }
    return out.str();
}

std::string ParseState(std::string_view text, Directory& out) {
    out = Directory{};
    std::size_t line_number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++line_number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos || line[0] == '#') continue;
        if (std::string error = ParseLine(line, out); !error.empty()) {
            return "line " + std::to_string(line_number) + ": " + error;
        }
    }
    return "";
}

std::string SaveStateFile(const std::string& path, const Directory& directory) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << FormatState(directory);
        file.flush();
        if (!file) return "cannot write " + temporary;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        ::unlink(temporary.c_str());
        return "cannot replace " + path + ": " + reason;
    }
    return "";
}

std::string LoadStateFile(const std::string& path, Directory& out) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "cannot open " + path;
    std::ostringstream text;
    text << file.rdbuf();
    if (std::string error = ParseState(text.str(), out); !error.empty()) return path + ": " + error;
    return "";
}

}  // namespace orvane::sim
