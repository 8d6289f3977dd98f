#include "directorytools/directory_kind.h"

namespace orvane {

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

std::optional<EntryKind> KindFromName(std::string_view name) {
    for (EntryKind kind : {EntryKind::Empty, EntryKind::Individual, EntryKind::Group}) {
        if (KindName(kind) == name) return kind;
    }
    return std::nullopt;
}

EntryKind InferredKind(const PortableEntry& entry) {
    if (!entry.members.empty()) return EntryKind::Group;
    return entry.number.empty() && entry.name.empty() ? EntryKind::Empty : EntryKind::Individual;
}

}  // namespace orvane
