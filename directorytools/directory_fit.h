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

// What a fit did with one part of the source, from the best to the worst.
enum class FitOutcome {
    Placed,     // stored as given
    Cut,        // stored with a text cut to the printer's length
    Changed,    // stored with a text folded or tidied, or with group members left out
    NotPlaced,  // not stored
};

// Why a note was made.
enum class FitIssue {
    NameChanged,     // the name `given` was stored folded as `stored`
    NameCut,         // the name `given` was cut to `limit` characters: `stored`
    NumberChanged,   // the number `given` was stored tidied as `stored`
    NumberCut,       // the number `given` was cut to `limit` characters: `stored`
    NoSuchSlot,      // the printer has no (reject) slot `given`; not placed
    SlotGivenTwice,  // an earlier part of the source names the same slot; not placed
    NoNumber,        // an entry without a slot has no number the printer accepts; not placed
    NoFreeSlot,      // no free slot is left; not placed
    NumberRefused,   // the slot's entry has no number the printer accepts; the slot was left empty
    MemberDropped,   // the group member `given` names no slot of the printer
    MemberTwice,     // the group member `given` is named twice
};

// The outcome a note of `issue` gives its part.
FitOutcome OutcomeOf(FitIssue issue);

// The parts of a directory.
enum class FitPart { Dial, Sender, Reject };

// One part of the source (a dial entry, the sender or a rejected number) and where it went.
struct FitItem {
    std::size_t line = 0;  // the source's line, 0 when it has none
    FitPart part = FitPart::Dial;
    std::string slot;  // the (reject) slot ID it went to, or the one the source names when it was not placed
    EntryKind kind = EntryKind::Individual;  // a dial entry's kind in its slot after the fit
    std::u16string name;                     // as stored; as given when it was not placed
    std::u16string number;
    FitOutcome outcome = FitOutcome::Placed;  // the worst outcome of its notes
};

// One entry that was changed, cut or could not be placed.
struct FitNote {
    std::size_t line = 0;  // the source's line, 0 when it has none
    std::string where;     // "slot 01", "sender", "rejected 01"; empty when no slot was found
    std::string what;      // what happened, one clause
    FitIssue issue = FitIssue::NameChanged;
    std::u16string given;   // the text, slot ID or member the source gave
    std::u16string stored;  // what was stored instead (changed and cut texts)
    std::size_t limit = 0;  // the length a text was cut to
    std::size_t item = 0;   // the part of the source it belongs to: an index of FitReport::items
    // "line 3, slot 01: name "Äda" was changed to "Ada"".
    std::string Text() const;
};

// Every part of one fit and every note, the notes in the order of the source's lines.
struct FitReport {
    std::vector<FitItem> items;  // the dial entries, the sender, the rejected numbers, each in source order
    std::vector<FitNote> notes;
    bool Clean() const { return notes.empty(); }
    // One note a line.
    std::string Text() const;
};

// Fits `source` into a copy of the Working copy of `setup`, as FitIntoWorking does, and leaves
// the result in `*fitted`; the setup itself does not change.
RsResult FitDirectory(const PortableDirectory& source, FitMode mode, const CRSUFuncRemoteSetup& setup,
                      DirectoryData* fitted, FitReport* report);

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
