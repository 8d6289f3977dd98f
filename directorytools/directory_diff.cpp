#include "directorytools/directory_diff.h"

#include "directorytools/directory_kind.h"
#include "text/utf_text.h"

#include <algorithm>

namespace orvane {
namespace {

std::string MemberList(const std::vector<std::string>& members) {
    return members.empty() ? "no members" : Joined(members, " ");
}

const PortableEntry* FindEntry(const PortableDirectory& directory, const std::string& id) {
    const auto found = std::find_if(directory.entries.begin(), directory.entries.end(),
                                    [&](const PortableEntry& entry) { return entry.id == id; });
    return found == directory.entries.end() ? nullptr : &*found;
}

void Field(const std::string& name, std::u16string_view a, std::u16string_view b,
           std::vector<std::string>* parts) {
    if (a != b) parts->push_back(name + " " + QuotedText(a) + " -> " + QuotedText(b));
}

void EntryChange(const PortableEntry& a, const PortableEntry& b, std::vector<DirectoryChange>* changes) {
    if (a.kind == EntryKind::Empty && b.kind == EntryKind::Empty) return;
    if (a.kind == EntryKind::Empty) {
        changes->push_back({a.id, "added", DescribeEntry(b)});
        return;
    }
    if (b.kind == EntryKind::Empty) {
        changes->push_back({a.id, "removed", DescribeEntry(a)});
        return;
    }
    std::vector<std::string> parts;
    if (a.kind != b.kind) {
        changes->push_back({a.id, "changed", DescribeEntry(a) + " -> " + DescribeEntry(b)});
        return;
    }
    Field("name", a.name, b.name, &parts);
    Field("number", a.number, b.number, &parts);
    if (a.members != b.members)
        parts.push_back("members " + MemberList(a.members) + " -> " + MemberList(b.members));
    if (!parts.empty()) changes->push_back({a.id, "changed", Joined(parts, ", ")});
}

void SenderChange(const PortableDirectory& a, const PortableDirectory& b,
                  std::vector<DirectoryChange>* changes) {
    const PortableSender none;
    const PortableSender& first = a.sender ? *a.sender : none;
    const PortableSender& second = b.sender ? *b.sender : none;
    std::vector<std::string> parts;
    Field("name", first.name, second.name, &parts);
    Field("number", first.number, second.number, &parts);
    if (!parts.empty()) changes->push_back({"sender", "changed", Joined(parts, ", ")});
}

void RejectChanges(const PortableDirectory& a, const PortableDirectory& b,
                   std::vector<DirectoryChange>* changes) {
    std::vector<std::string> ids;
    for (const auto* directory : {&a, &b}) {
        for (const PortableReject& reject : directory->rejects) {
            if (std::find(ids.begin(), ids.end(), reject.id) == ids.end()) ids.push_back(reject.id);
        }
    }
    const auto number = [](const PortableDirectory& directory, const std::string& id) {
        for (const PortableReject& reject : directory.rejects) {
            if (reject.id == id) return reject.number;
        }
        return std::u16string();
    };
    for (const std::string& id : ids) {
        const std::u16string first = number(a, id);
        const std::u16string second = number(b, id);
        if (first == second) continue;
        const std::string slot = "rejected " + id;
        if (first.empty()) {
            changes->push_back({slot, "added", QuotedText(second)});
        } else if (second.empty()) {
            changes->push_back({slot, "removed", QuotedText(first)});
        } else {
            changes->push_back({slot, "changed", QuotedText(first) + " -> " + QuotedText(second)});
        }
    }
}

}  // namespace

std::string DescribeEntry(const PortableEntry& entry) {
    switch (entry.kind) {
        case EntryKind::Individual:
            return "individual " + QuotedText(entry.name) + " " + QuotedText(entry.number);
        case EntryKind::Group:
            return "group " + QuotedText(entry.name) + " of " + MemberList(entry.members);
        case EntryKind::Empty:
            break;
    }
    return "empty";
}

std::vector<DirectoryChange> DiffDirectories(const PortableDirectory& a, const PortableDirectory& b) {
    std::vector<DirectoryChange> changes;
    for (const PortableEntry& entry : a.entries) {
        const PortableEntry* other = FindEntry(b, entry.id);
        if (other == nullptr) {
            changes.push_back(
                {entry.id, "only-in-first", "only the first has this slot: " + DescribeEntry(entry)});
        } else {
            EntryChange(entry, *other, &changes);
        }
    }
    for (const PortableEntry& entry : b.entries) {
        if (FindEntry(a, entry.id) == nullptr) {
            changes.push_back(
                {entry.id, "only-in-second", "only the second has this slot: " + DescribeEntry(entry)});
        }
    }
    SenderChange(a, b, &changes);
    RejectChanges(a, b, &changes);
    return changes;
}

}  // namespace orvane
