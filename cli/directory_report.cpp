#include "cli/directory_report.h"

#include "cli/text_table.h"

#include "directorytools/directory_kind.h"
#include "protocol/job_protocol.h"
#include "remotesetup/text_codec.h"

#include <algorithm>

namespace orvane::cli {
namespace {

std::vector<std::string> Members(const DialEntry& entry) {
    std::vector<std::string> members;
    const std::size_t used = std::min<std::size_t>(entry.member_count, entry.members.size());
    for (std::size_t i = 0; i < used; ++i) members.push_back(AsciiFieldToUtf8(FieldText(entry.members[i])));
    return members;
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
        const std::string detail = entry.kind == EntryKind::Group ? Joined(Members(entry), " ")
                                                                  : AsciiFieldToUtf8(FieldText(entry.number));
        std::string line = "  " + Padded(AsciiFieldToUtf8(FieldText(entry.slot_id)), 5) +
                           Padded(std::string(KindName(entry.kind)), 12) + Padded(names[i], name_width + 2) +
                           detail;
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

}  // namespace

std::string PlainReport(const CRSUFuncRemoteSetup& setup) {
    const DirectoryData& working = *setup.Copy(DirectoryCopy::Working);
    const CapabilityTexts texts = setup.Capability().ToTexts();
    std::string out = "Capability:\n";
    for (CapabilityField field : kCapabilityFields) {
        out += "  " + Padded(std::string(CapabilityFieldName(field)), 30) +
               AsciiFieldToUtf8(CapabilityText(texts, field)) + "\n";
    }
    out += PlainSlots(working);
    out += "Sender:\n  Name    " + DeviceNameToUtf8(FieldText(working.sender.name)) + "\n  Number  " +
           AsciiFieldToUtf8(FieldText(working.sender.number)) + "\nRejected numbers:\n";
    for (const RejectEntry& reject : working.rejects) {
        out += "  " + Padded(AsciiFieldToUtf8(FieldText(reject.slot_id)), 5) +
               AsciiFieldToUtf8(FieldText(reject.number)) + "\n";
    }
    return out;
}

}  // namespace orvane::cli
