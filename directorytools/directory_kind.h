// The names of the entry kinds in the text formats: "empty", "individual", "group".
#pragma once

#include "directorytools/portable_directory.h"
#include "remotesetup/directory_data.h"

#include <optional>
#include <string_view>

namespace orvane {

std::string_view KindName(EntryKind kind);

// The kind named `name` exactly, or nothing.
std::optional<EntryKind> KindFromName(std::string_view name);

// The kind a source means when it names none: a group with members, an individual entry with a
// number or a name (one without a number is then reported, not dropped), else an empty slot.
EntryKind InferredKind(const PortableEntry& entry);

}  // namespace orvane
