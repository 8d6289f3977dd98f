#include "directorytools/directory_fit.h"

#include "remotesetup/input_rules.h"
#include "remotesetup/slot_order.h"
#include "remotesetup/text_codec.h"

#include <algorithm>
#include <map>
#include <new>
#include <optional>

namespace orvane {
namespace {

// What a field of `rules` holds after `text` was typed into it while empty.
std::u16string Typed(std::u16string_view text, const FieldRules& rules, std::size_t limit) {
    EditField field;
    field.limit = limit;
    SendChars(field, text, rules);
    return field.text;
}

// A note found while a part was fitted, before its slot is known.
struct Change {
    FitIssue issue;
    std::string what;
    std::u16string given{};
    std::u16string stored{};
    std::size_t limit = 0;
};

// The issues of a changed and of a cut text of one field.
struct FieldIssues {
    std::string_view field;  // "name", "number"
    FitIssue changed;
    FitIssue cut;
};

constexpr FieldIssues kNameIssues{"name", FitIssue::NameChanged, FitIssue::NameCut};
constexpr FieldIssues kNumberIssues{"number", FitIssue::NumberChanged, FitIssue::NumberCut};

// Fits one text and notes how it changed: `typed` is what the field keeps with the limit, `folded`
// what it keeps without one.
void NoteChange(const FieldIssues& field, std::u16string_view given, std::u16string_view folded,
                std::u16string_view typed, std::size_t limit, std::vector<Change>* changes) {
    const std::string name(field.field);
    if (folded != given) {
        changes->push_back({field.changed,
                            name + " " + QuotedText(given) + " was changed to " + QuotedText(typed),
                            std::u16string(given), std::u16string(typed), limit});
    } else if (typed != given) {
        changes->push_back({field.cut,
                            name + " " + QuotedText(given) + " was cut to " + std::to_string(limit) +
                                " characters: " + QuotedText(typed),
                            std::u16string(given), std::u16string(typed), limit});
    }
}

std::u16string Ascii16(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

class Fitter {
  public:
    Fitter(const DeviceCapability& capability, const DirectoryData& original, DirectoryData* target,
           FitReport* report)
        : capability_(capability),
          keycodes_(KeycodeSetFor(capability.keycode_type)),
          original_(original),
          target_(*target),
          report_(*report) {
        for (std::size_t i = 0; i < target_.entries.size(); ++i) {
            slots_.emplace(std::string(FieldText(target_.entries[i].slot_id)), i);
        }
        for (std::size_t i = 0; i < target_.rejects.size(); ++i) {
            rejects_.emplace(std::string(FieldText(target_.rejects[i].slot_id)), i);
        }
    }

    void Entries(const std::vector<PortableEntry>& entries) {
        std::vector<bool> claimed(target_.entries.size(), false);
        std::vector<std::pair<const PortableEntry*, std::size_t>> placed;
        std::map<const PortableEntry*, std::size_t> items;
        for (const PortableEntry& entry : entries) {
            // An empty entry without a slot empties nothing.
            if (!entry.id.empty() || entry.kind != EntryKind::Empty) {
                items[&entry] =
                    Item(entry.line, FitPart::Dial, entry.id, entry.kind, entry.name, entry.number);
            }
        }
        for (const PortableEntry& entry : entries) {
            if (entry.id.empty()) continue;
            const std::size_t item = items[&entry];
            const auto slot = slots_.find(entry.id);
            if (slot == slots_.end()) {
                Note(item, "",
                     {FitIssue::NoSuchSlot,
                      Label(entry) + " could not be placed: this printer has no slot " + entry.id,
                      Ascii16(entry.id)});
            } else if (claimed[slot->second]) {
                Note(item, "slot " + entry.id,
                     {FitIssue::SlotGivenTwice, "could not be placed: the slot is given twice"});
            } else {
                claimed[slot->second] = true;
                placed.emplace_back(&entry, slot->second);
            }
        }
        const std::vector<std::size_t> free_order = FreeSlotOrder(target_);
        auto next_free = free_order.begin();
        for (const PortableEntry& entry : entries) {
            if (!entry.id.empty() || entry.kind == EntryKind::Empty) continue;
            const std::size_t item = items[&entry];
            if (entry.kind == EntryKind::Individual &&
                Typed(entry.number, FieldRules::Number(FaxEditMode::kDialEntry), kNoLengthLimit).empty()) {
                Note(item, "",
                     {FitIssue::NoNumber,
                      Label(entry) + " was not placed: it has no number the printer accepts"});
                continue;
            }
            while (next_free != free_order.end() &&
                   (claimed[*next_free] || target_.entries[*next_free].kind != EntryKind::Empty)) {
                ++next_free;
            }
            if (next_free == free_order.end()) {
                Note(item, "",
                     {FitIssue::NoFreeSlot, Label(entry) + " could not be placed: no free slot is left"});
                continue;
            }
            claimed[*next_free] = true;
            placed.emplace_back(&entry, *next_free);
        }
        for (const auto& [entry, index] : placed)
            Fill(*entry, items[entry], target_.entries[index], original_.entries[index]);
    }

    void Sender(const PortableSender& sender) {
        const std::size_t item =
            Item(sender.line, FitPart::Sender, "", EntryKind::Individual, sender.name, sender.number);
        std::vector<Change> changes;
        if (!SameName(sender.name, original_.sender.name)) {
            StoreName(
                target_.sender.name,
                Name(sender.name, static_cast<std::size_t>(capability_.current_user_name_length), &changes));
        } else {
            target_.sender.name = original_.sender.name;
        }
        if (!SameAscii(sender.number, original_.sender.number)) {
            StoreAscii(target_.sender.number,
                       Number(sender.number, FaxEditMode::kSenderNumber,
                              static_cast<std::size_t>(capability_.current_user_tel_no_length), &changes));
        } else {
            target_.sender.number = original_.sender.number;
        }
        report_.items[item].name = DeviceNameToUtf16(FieldText(target_.sender.name));
        report_.items[item].number = Ascii16(FieldText(target_.sender.number));
        for (Change& change : changes) Note(item, "sender", std::move(change));
    }

    void Rejects(const std::vector<PortableReject>& rejects) {
        std::vector<bool> claimed(target_.rejects.size(), false);
        std::vector<std::pair<const PortableReject*, std::size_t>> placed;
        std::map<const PortableReject*, std::size_t> items;
        for (const PortableReject& reject : rejects) {
            items[&reject] =
                Item(reject.line, FitPart::Reject, reject.id, EntryKind::Individual, u"", reject.number);
        }
        for (const PortableReject& reject : rejects) {
            if (reject.id.empty()) continue;
            const auto slot = rejects_.find(reject.id);
            if (slot == rejects_.end()) {
                Note(items[&reject], "",
                     {FitIssue::NoSuchSlot,
                      "rejected number " + QuotedText(reject.number) +
                          " could not be placed: this printer has no reject slot " + reject.id,
                      Ascii16(reject.id)});
            } else if (claimed[slot->second]) {
                Note(items[&reject], "rejected " + reject.id,
                     {FitIssue::SlotGivenTwice, "could not be placed: the slot is given twice"});
            } else {
                claimed[slot->second] = true;
                placed.emplace_back(&reject, slot->second);
            }
        }
        std::size_t next_free = 0;
        for (const PortableReject& reject : rejects) {
            if (!reject.id.empty()) continue;
            while (next_free < claimed.size() &&
                   (claimed[next_free] || !FieldText(target_.rejects[next_free].number).empty())) {
                ++next_free;
            }
            if (next_free == claimed.size()) {
                Note(items[&reject], "",
                     {FitIssue::NoFreeSlot, "rejected number " + QuotedText(reject.number) +
                                                " could not be placed: no free reject slot is left"});
                continue;
            }
            claimed[next_free] = true;
            placed.emplace_back(&reject, next_free);
        }
        for (const auto& [reject, index] : placed) FillReject(*reject, items[reject], index);
    }

  private:
    static std::string Label(const PortableEntry& entry) {
        return entry.name.empty() ? "an entry" : QuotedText(entry.name);
    }

    // Adds the part of the source at `line`; returns its index in the report's items.
    std::size_t Item(std::size_t line, FitPart part, const std::string& slot, EntryKind kind,
                     const std::u16string& name, const std::u16string& number) {
        report_.items.push_back({line, part, slot, kind, name, number, FitOutcome::Placed});
        return report_.items.size() - 1;
    }

    void Note(std::size_t item, std::string where, Change change) {
        FitItem& part = report_.items[item];
        part.outcome = std::max(part.outcome, OutcomeOf(change.issue));
        report_.notes.push_back({part.line, std::move(where), std::move(change.what), change.issue,
                                 std::move(change.given), std::move(change.stored), change.limit, item});
    }

    std::u16string Name(std::u16string_view given, std::size_t limit, std::vector<Change>* changes) const {
        const FieldRules rules = FieldRules::Name(keycodes_);
        const std::u16string typed = Typed(given, rules, limit);
        NoteChange(kNameIssues, given, Typed(given, rules, kNoLengthLimit), typed, limit, changes);
        return typed;
    }

    static std::u16string Number(std::u16string_view given, FaxEditMode mode, std::size_t limit,
                                 std::vector<Change>* changes) {
        const FieldRules rules = FieldRules::Number(mode);
        const std::u16string typed = Typed(given, rules, limit);
        NoteChange(kNumberIssues, given, Typed(given, rules, kNoLengthLimit), typed, limit, changes);
        return typed;
    }

    // True when `text` is what `field` of the original copy already holds: it was not edited, so
    // it keeps its stored bytes even where typing could not produce them.
    static bool SameName(std::u16string_view text, std::span<const char> field) {
        return !text.empty() && DeviceNameToUtf16(FieldText(field)) == text;
    }

    static bool SameAscii(std::u16string_view text, std::span<const char> field) {
        const std::string_view stored = FieldText(field);
        return !text.empty() &&
               std::equal(text.begin(), text.end(), stored.begin(), stored.end(),
                          [](char16_t a, char b) { return a == static_cast<unsigned char>(b); });
    }

    static void StoreName(std::span<char> field, std::u16string_view name) {
        WideToDevice(name, field);  // every unit of a typed name has a row, and the field has room
    }

    static void StoreAscii(std::span<char> field, std::u16string_view text) {
        std::string ascii(text.begin(), text.end());  // typed numbers are ASCII
        StoreText(field, ascii);
    }

    void Fill(const PortableEntry& source, std::size_t item, DialEntry& entry, const DialEntry& original) {
        const std::string slot_id(FieldText(entry.slot_id));
        std::vector<Change> changes;
        const bool same_name = SameName(source.name, original.name);
        const bool same_number = source.kind == original.kind && SameAscii(source.number, original.number);
        const std::u16string name =
            same_name
                ? source.name
                : Name(source.name, static_cast<std::size_t>(capability_.current_name_length), &changes);
        std::u16string number;
        std::vector<SlotId> members;
        EntryKind kind = source.kind;
        if (kind == EntryKind::Individual) {
            number = same_number
                         ? source.number
                         : Number(source.number, FaxEditMode::kDialEntry,
                                  static_cast<std::size_t>(capability_.current_tel_no_length), &changes);
            if (number.empty()) {
                changes = {
                    {FitIssue::NumberRefused, "has no number the printer accepts; the slot was left empty"}};
                kind = EntryKind::Empty;
            }
        } else if (kind == EntryKind::Group) {
            members = Members(source, &changes);
        }
        entry.kind = kind;
        std::fill(entry.name.begin(), entry.name.end(), '\0');
        std::fill(entry.number.begin(), entry.number.end(), '\0');
        std::fill(entry.members.begin(), entry.members.end(), SlotId{});
        entry.member_count = static_cast<std::uint16_t>(members.size());
        std::copy(members.begin(), members.end(), entry.members.begin());
        if (kind != EntryKind::Empty) {
            if (same_name) {
                entry.name = original.name;
            } else {
                StoreName(entry.name, name);
            }
        }
        if (kind == EntryKind::Individual) StoreAscii(entry.number, number);
        FitItem& part = report_.items[item];
        part.slot = slot_id;
        part.kind = kind;
        if (kind != EntryKind::Empty) {
            part.name = name;
            part.number = number;
        }
        for (Change& change : changes) Note(item, "slot " + slot_id, std::move(change));
    }

    void FillReject(const PortableReject& reject, std::size_t item, std::size_t index) {
        RejectEntry& slot = target_.rejects[index];
        const std::string slot_id(FieldText(slot.slot_id));
        report_.items[item].slot = slot_id;
        if (SameAscii(reject.number, original_.rejects[index].number)) {
            slot.number = original_.rejects[index].number;
            return;
        }
        std::vector<Change> changes;
        const std::u16string number =
            Number(reject.number, FaxEditMode::kRejectedNumber,
                   static_cast<std::size_t>(capability_.current_reject_tel_no_length), &changes);
        StoreAscii(slot.number, number);
        report_.items[item].number = number;
        for (Change& change : changes) Note(item, "rejected " + slot_id, std::move(change));
    }

    std::vector<SlotId> Members(const PortableEntry& source, std::vector<Change>* changes) const {
        std::vector<std::size_t> indexes;
        for (const std::string& member : source.members) {
            const auto slot = slots_.find(member);
            if (slot == slots_.end()) {
                changes->push_back({FitIssue::MemberDropped,
                                    "member " + member + " was dropped: this printer has no such slot",
                                    Ascii16(member)});
            } else if (std::find(indexes.begin(), indexes.end(), slot->second) != indexes.end()) {
                changes->push_back(
                    {FitIssue::MemberTwice, "member " + member + " is given twice", Ascii16(member)});
            } else {
                indexes.push_back(slot->second);
            }
        }
        std::vector<SlotId> members;
        for (std::size_t index : indexes) members.push_back(target_.entries[index].slot_id);
        SortMembers(&members);
        return members;
    }

    const DeviceCapability& capability_;
    KeycodeSet keycodes_;
    const DirectoryData& original_;  // Working before the fit: texts equal to its own stay as stored
    DirectoryData& target_;
    FitReport& report_;
    std::map<std::string, std::size_t> slots_;    // dial slot ID to entry index
    std::map<std::string, std::size_t> rejects_;  // reject slot ID to reject index
};

}  // namespace

std::string FitNote::Text() const {
    std::string text;
    if (line > 0) text = "line " + std::to_string(line);
    if (!where.empty()) text += (text.empty() ? "" : ", ") + where;
    return text + (text.empty() ? "" : ": ") + what;
}

std::string FitReport::Text() const {
    std::string text;
    for (const FitNote& note : notes) text += note.Text() + "\n";
    return text;
}

FitOutcome OutcomeOf(FitIssue issue) {
    switch (issue) {
        case FitIssue::NameCut:
        case FitIssue::NumberCut:
            return FitOutcome::Cut;
        case FitIssue::NameChanged:
        case FitIssue::NumberChanged:
        case FitIssue::MemberDropped:
        case FitIssue::MemberTwice:
            return FitOutcome::Changed;
        case FitIssue::NoSuchSlot:
        case FitIssue::SlotGivenTwice:
        case FitIssue::NoNumber:
        case FitIssue::NoFreeSlot:
        case FitIssue::NumberRefused:
            break;
    }
    return FitOutcome::NotPlaced;
}

RsResult FitDirectory(const PortableDirectory& source, FitMode mode, const CRSUFuncRemoteSetup& setup,
                      DirectoryData* fitted, FitReport* report) {
    *report = FitReport{};
    const DirectoryData* working = setup.Copy(DirectoryCopy::Working);
    if (working == nullptr || !HasShape(*working, setup.Capability())) return rs::kMissingBuffer;
    try {
        DirectoryData target = *working;
        if (mode == FitMode::Replace) ClearContents(target);
        Fitter fitter(setup.Capability(), *working, &target, report);
        fitter.Entries(source.entries);
        if (source.sender) fitter.Sender(*source.sender);
        fitter.Rejects(source.rejects);
        std::stable_sort(report->notes.begin(), report->notes.end(),
                         [](const FitNote& a, const FitNote& b) { return a.line < b.line; });
        *fitted = std::move(target);
    } catch (const std::bad_alloc&) {
        return rs::kOutOfMemory;
    }
    return rs::kSuccess;
}

RsResult FitIntoWorking(const PortableDirectory& source, FitMode mode, CRSUFuncRemoteSetup& setup,
                        FitReport* report) {
    DirectoryData fitted;
    const RsResult result = FitDirectory(source, mode, setup, &fitted, report);
    if (result != rs::kSuccess) return result;
    try {
        *setup.Copy(DirectoryCopy::Working) = std::move(fitted);
    } catch (const std::bad_alloc&) {
        return rs::kOutOfMemory;
    }
    return rs::kSuccess;
}

}  // namespace orvane
