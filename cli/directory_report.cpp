#include "cli/directory_report.h"

#include "protocol/job_protocol.h"
#include "remotesetup/device_charset.h"

#include <algorithm>
#include <cstdio>

namespace orvane::cli {
namespace {

constexpr std::size_t kCapabilityTextCount = 3;            // the texts before the 18 numbers
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

void AppendUtf8(std::string& out, char16_t unit) {
    if (unit < 0x80) {
        out += static_cast<char>(unit);
    } else if (unit < 0x800) {
        out += static_cast<char>(0xC0 | (unit >> 6));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (unit >> 12));
        out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    }
}

// Numbers, slot IDs and capability texts are ASCII; any other byte shows as U+FFFD.
std::string AsciiText(std::string_view bytes) {
    std::string out;
    for (char byte : bytes.substr(0, bytes.find('\0'))) {
        if (static_cast<unsigned char>(byte) < 0x80) {
            out += byte;
        } else {
            out += kReplacement;
        }
    }
    return out;
}

std::string Quoted(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string_view KindName(EntryKind kind) {
    switch (kind) {
        case EntryKind::Individual:
            return "individual";
        case EntryKind::Group:
            return "group";
        case EntryKind::Empty:
            break;
    }
    return "empty";
}

std::vector<std::string> Members(const DialEntry& entry) {
    std::vector<std::string> members;
    const std::size_t used = std::min<std::size_t>(entry.member_count, entry.members.size());
    for (std::size_t i = 0; i < used; ++i) members.push_back(AsciiText(FieldText(entry.members[i])));
    return members;
}

// Joins `items` with `separator`.
std::string Joined(const std::vector<std::string>& items, std::string_view separator) {
    std::string out;
    for (const std::string& item : items) {
        if (!out.empty()) out += separator;
        out += item;
    }
    return out;
}

std::string JsonCapability(const DeviceCapability& capability) {
    const CapabilityTexts texts = capability.ToTexts();
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string value = i < kCapabilityTextCount ? Quoted(AsciiText(texts[i])) : texts[i];
        fields.push_back(Quoted(kCapabilityFieldNames[i]) + ": " + value);
    }
    return "{" + Joined(fields, ", ") + "}";
}

std::string JsonSlot(const DialEntry& entry) {
    std::vector<std::string> members;
    for (const std::string& member : Members(entry)) members.push_back(Quoted(member));
    return "{\"id\": " + Quoted(AsciiText(FieldText(entry.slot_id))) +
           ", \"kind\": " + Quoted(KindName(entry.kind)) +
           ", \"name\": " + Quoted(DeviceNameToUtf8(FieldText(entry.name))) +
           ", \"number\": " + Quoted(AsciiText(FieldText(entry.number))) + ", \"members\": [" +
           Joined(members, ", ") + "]}";
}

std::string JsonReject(const RejectEntry& reject) {
    return "{\"id\": " + Quoted(AsciiText(FieldText(reject.slot_id))) +
           ", \"number\": " + Quoted(AsciiText(FieldText(reject.number))) + "}";
}

// Counts code points, so that UTF-8 names line up.
std::size_t DisplayWidth(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - std::min(width, DisplayWidth(text)), ' ');
}

std::string PlainSlots(const DirectoryData& working) {
    std::vector<std::string> names;
    for (const DialEntry& entry : working.entries) names.push_back(DeviceNameToUtf8(FieldText(entry.name)));
    std::size_t name_width = DisplayWidth("Name");
    for (const std::string& name : names) name_width = std::max(name_width, DisplayWidth(name));
    std::string out = "Slots:\n  " + Padded("ID", 5) + Padded("Kind", 12) + Padded("Name", name_width + 2) +
                      "Number or members\n";
    for (std::size_t i = 0; i < working.entries.size(); ++i) {
        const DialEntry& entry = working.entries[i];
        const std::string detail =
            entry.kind == EntryKind::Group ? Joined(Members(entry), " ") : AsciiText(FieldText(entry.number));
        std::string line = "  " + Padded(AsciiText(FieldText(entry.slot_id)), 5) +
                           Padded(std::string(KindName(entry.kind)), 12) + Padded(names[i], name_width + 2) +
                           detail;
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

}  // namespace

std::string DeviceNameToUtf8(std::string_view bytes) {
    std::string out;
    for (char byte : bytes.substr(0, bytes.find('\0'))) {
        const auto unit = UnitForDeviceByte(static_cast<std::uint8_t>(byte));
        if (unit) {
            AppendUtf8(out, *unit);
        } else {
            out += kReplacement;
        }
    }
    return out;
}

std::string JsonReport(const CRSUFuncRemoteSetup& setup) {
    const DirectoryData& working = *setup.Copy(DirectoryCopy::Working);
    std::vector<std::string> slots;
    for (const DialEntry& entry : working.entries) slots.push_back("    " + JsonSlot(entry));
    std::vector<std::string> rejects;
    for (const RejectEntry& reject : working.rejects) rejects.push_back("    " + JsonReject(reject));
    return "{\n  \"capability\": " + JsonCapability(setup.Capability()) + ",\n  \"slots\": [\n" +
           Joined(slots, ",\n") +
           "\n  ],\n  \"sender\": {\"name\": " + Quoted(DeviceNameToUtf8(FieldText(working.sender.name))) +
           ", \"number\": " + Quoted(AsciiText(FieldText(working.sender.number))) +
           "},\n  \"rejected\": [\n" + Joined(rejects, ",\n") + "\n  ]\n}\n";
}

std::string PlainReport(const CRSUFuncRemoteSetup& setup) {
    const DirectoryData& working = *setup.Copy(DirectoryCopy::Working);
    const CapabilityTexts texts = setup.Capability().ToTexts();
    std::string out = "Capability:\n";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        out += "  " + Padded(std::string(kCapabilityFieldNames[i]), 30) + AsciiText(texts[i]) + "\n";
    }
    out += PlainSlots(working);
    out += "Sender:\n  Name    " + DeviceNameToUtf8(FieldText(working.sender.name)) + "\n  Number  " +
           AsciiText(FieldText(working.sender.number)) + "\nRejected numbers:\n";
    for (const RejectEntry& reject : working.rejects) {
        out += "  " + Padded(AsciiText(FieldText(reject.slot_id)), 5) + AsciiText(FieldText(reject.number)) +
               "\n";
    }
    return out;
}

}  // namespace orvane::cli
