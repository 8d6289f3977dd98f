// Places a directory read from a file of another format (PortableDirectory) into a printer's
// Working copy: entries by slot ID or into free slots, names and numbers through the input rules of
// the window's fields, and a report of everything that did not arrive exactly as given.
#pragma once

#include "directorytools/portable_directory.h"
#include "remotesetup/remote_setup.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orvane {

// What happens to the parts of Working that the source does not name.
enum class FitMode {
    Merge,    // they stay as they are
    Replace,  // they become empty
};

// One entry that was changed, cut or could not be placed.
struct FitNote {
    std::size_t line = 0;  // the source's line, 0 when it has none
    std::string where;     // "slot 01", "sender", "rejected 01"; empty when no slot was found
    std::string what;      // what happened, one clause
    // "line 3, slot 01: name "Äda" was changed to "Ada"".
    std::string Text() const;
};

// Every note of one fit, in the order of the source's lines.
struct FitReport {
    std::vector<FitNote> notes;
    bool Clean() const { return notes.empty(); }
    // One note a line.
    std::string Text() const;
};

// Fits `source` into the Working copy of `setup`: an entry with a slot ID goes to that slot; one
// without goes to the first free one-touch slot (ascending), then the first free coded slot; a
// rejected number without an ID to the first free reject slot. Names pass the name rules of the
// printer's keycode set and are cut to current_name_length (current_user_name_length for the
// sender); numbers pass the number rules of their field and its limit. Group members are kept in
// the printers' order (one-touch ascending, then coded ascending); members naming no slot of the
// printer are dropped. Working changes only on success. rs::kMissingBuffer without a well-shaped
// Working; rs::kOutOfMemory when memory runs out.
RsResult FitIntoWorking(const PortableDirectory& source, FitMode mode, CRSUFuncRemoteSetup& setup,
                        FitReport* report);

}  // namespace orvane
