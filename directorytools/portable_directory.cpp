#include "directorytools/portable_directory.h"

#include "remotesetup/text_codec.h"

namespace orvane {
namespace {

std::u16string AsciiToUtf16(std::span<const char> field) {
    std::u16string out;
    for (char byte : FieldText(field)) {
        out += static_cast<char16_t>(static_cast<unsigned char>(byte));
    }
    return out;
}

}  // namespace

PortableDirectory ToPortable(const DirectoryData& data) {
    PortableDirectory portable;
    for (const DialEntry& entry : data.entries) {
        PortableEntry out;
        out.id = std::string(FieldText(entry.slot_id));
        out.kind = entry.kind;
        out.name = DeviceNameToUtf16(FieldText(entry.name));
        out.number = AsciiToUtf16(entry.number);
        for (std::size_t i = 0; i < entry.member_count && i < entry.members.size(); ++i) {
            out.members.emplace_back(FieldText(entry.members[i]));
        }
        portable.entries.push_back(std::move(out));
    }
    portable.sender =
        PortableSender{DeviceNameToUtf16(FieldText(data.sender.name)), AsciiToUtf16(data.sender.number)};
    for (const RejectEntry& reject : data.rejects) {
        portable.rejects.push_back({std::string(FieldText(reject.slot_id)), AsciiToUtf16(reject.number)});
    }
    return portable;
}

}  // namespace orvane
