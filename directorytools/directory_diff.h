// What differs between two directories, slot by slot: entries added, removed or changed (name,
// number, members), the sender, and the rejected numbers.
#pragma once

#include "directorytools/portable_directory.h"

#include <string>
#include <vector>

namespace orvane {

// One difference, from the first directory to the second.
struct DirectoryChange {
    std::string slot;    // "01", "*00", "sender", "rejected 01"
    std::string change;  // "added", "removed", "changed", "only-in-first", "only-in-second"
    std::string text;    // what changed, one line: `name "Bo" -> "Cy", number "12" -> "34"`
};

// One entry in a line: `individual "Bo" "12"`, `group "G" of 01 02`, `empty`.
std::string DescribeEntry(const PortableEntry& entry);

// The differences from `a` to `b`: slots in the order of `a`, then the slots only `b` has; then the
// sender; then the rejected numbers. Empty when both hold the same directory.
std::vector<DirectoryChange> DiffDirectories(const PortableDirectory& a, const PortableDirectory& b);

}  // namespace orvane
