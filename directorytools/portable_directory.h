// A directory as plain texts, free of any printer's slots and field widths: what the import formats
// (CSV, vCard, JSON) read, and what FitIntoWorking places into a printer's Working copy with the
// same input rules as the window's fields.
#pragma once

#include "remotesetup/directory_data.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// One dial entry of a source.
struct PortableEntry {
    std::string id;  // slot ID ("01", "*00"); empty when the source names none (a free slot is taken)
    EntryKind kind = EntryKind::Individual;
    std::u16string name;
    std::u16string number;             // individual entries
    std::vector<std::string> members;  // groups: member slot IDs
    std::size_t line = 0;              // where the source holds it; 0 when it has no lines
};

// One rejected number of a source.
struct PortableReject {
    std::string id;  // reject slot ID ("01"); empty for the first free reject slot
    std::u16string number;
    std::size_t line = 0;
};

// The sender information of a source.
struct PortableSender {
    std::u16string name;
    std::u16string number;
    std::size_t line = 0;
};

// Everything a source holds; parts it lacks are left as the target has them (or emptied when the
// fit replaces the whole directory).
struct PortableDirectory {
    std::vector<PortableEntry> entries;
    std::optional<PortableSender> sender;
    std::vector<PortableReject> rejects;
};

// The directory of `data` as texts: every dial slot, the sender and every reject slot.
PortableDirectory ToPortable(const DirectoryData& data);

}  // namespace orvane
