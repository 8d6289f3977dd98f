#include "remotesetup/directory_kind.h"

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

EntryKind InferredKind(bool has_number, bool has_members) {
    return has_members ? EntryKind::Group : has_number ? EntryKind::Individual : EntryKind::Empty;
}

}  // namespace orvane
