// Mistakes in a directory that are better caught before it reaches the printer: group members that
// name empty slots, one number in several slots, groups without members, and names or numbers
// that the printer's input rules refuse.
#pragma once

#include "directorytools/portable_directory.h"
#include "remotesetup/device_capability.h"

#include <string>
#include <vector>

namespace orvane {

// The part of a directory a problem is in.
enum class ProblemPlace {
    kDial,    // a dial slot
    kSender,  // the sender information
    kReject,  // a reject slot
};

// One problem found.
struct DirectoryProblem {
    std::string kind;  // "empty-member", "duplicate-number", "group-without-members", "name-refused",
                       // "number-refused", "duplicate-rejected"
    std::string slot;  // the slot it is about ("01", "*00", "sender", "rejected 01")
    std::string text;  // one sentence
    ProblemPlace place = ProblemPlace::kDial;
    // The slot IDs of `place` it names: every slot of a repeated number; a group, then its empty
    // member; else the one slot (none for the sender).
    std::vector<std::string> slot_ids;
    // The refused name or number, or the repeated number; empty for a group's own problems.
    std::u16string subject;
};

// Every problem of `directory` for a printer with `capability`, each once: per group and empty
// member, per repeated number (naming all its slots), per group without members, per refused name
// or number (the input rules of its field, its length limit included).
std::vector<DirectoryProblem> CheckDirectory(const DeviceCapability& capability,
                                             const PortableDirectory& directory);

}  // namespace orvane
