// The three-way comparison and the merge on the example directory changed on the printer, here, or
// both: exact slots, exact merged contents, exact dropped members.
#include "directorytools/directory_merge.h"
#include "remote_setup_fixtures.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using namespace testing_support;

// "01" -> "Cy 34" (individual), "02" -> "H:01 *00" (group), "01" -> "" (empty), "sender" -> "Ed 6",
// "rejected 01" -> "77".
using Edits = std::vector<std::pair<std::string, std::string>>;

DialEntry& EntryOf(DirectoryData& data, std::string_view id) {
    for (DialEntry& entry : data.entries) {
        if (FieldText(entry.slot_id) == id) return entry;
    }
    ADD_FAILURE() << "no slot " << id;
    return data.entries[0];
}

void SetGroup(DialEntry& entry, std::string_view name, std::string_view members) {
    entry.kind = EntryKind::Group;
    StoreText(entry.name, name);
    std::fill(entry.members.begin(), entry.members.end(), SlotId{});
    entry.member_count = 0;
    for (std::size_t start = 0; start < members.size();) {
        const std::size_t end = std::min(members.find(' ', start), members.size());
        StoreText(entry.members[entry.member_count++], members.substr(start, end - start));
        start = end + 1;
    }
}

void SetEntry(DialEntry& entry, std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos)
        return SetGroup(entry, text.substr(0, colon), text.substr(colon + 1));
    const std::size_t space = text.find(' ');
    entry.kind = text.empty() ? EntryKind::Empty : EntryKind::Individual;
    entry.member_count = 0;
    std::fill(entry.members.begin(), entry.members.end(), SlotId{});
    StoreText(entry.name, text.substr(0, space));
    StoreText(entry.number, space == std::string_view::npos ? "" : text.substr(space + 1));
}

void Apply(DirectoryData& data, const Edits& edits) {
    for (const auto& [slot, text] : edits) {
        if (slot == "sender") {
            const std::size_t space = text.find(' ');
            StoreText(data.sender.name, text.substr(0, space));
            StoreText(data.sender.number, text.substr(space + 1));
        } else if (slot == "rejected 01") {
            StoreText(data.rejects[0].number, text);
        } else {
            SetEntry(EntryOf(data, slot), text);
        }
    }
}

// Everything `data` holds, one line per slot that is not empty.
std::vector<std::string> Contents(const DirectoryData& data) {
    std::vector<std::string> lines;
    for (const DialEntry& entry : data.entries) {
        std::string line(FieldText(entry.slot_id));
        if (entry.kind == EntryKind::Individual) {
            line += " " + std::string(FieldText(entry.name)) + " " + std::string(FieldText(entry.number));
        } else if (entry.kind == EntryKind::Group) {
            line += " " + std::string(FieldText(entry.name)) + ":";
            for (std::size_t i = 0; i < entry.member_count; ++i)
                line += " " + std::string(FieldText(entry.members[i]));
        } else {
            continue;
        }
        lines.push_back(line);
    }
    lines.push_back("sender " + std::string(FieldText(data.sender.name)) + " " +
                    std::string(FieldText(data.sender.number)));
    lines.push_back("rejected 01 " + std::string(FieldText(data.rejects[0].number)));
    return lines;
}

std::string ChangeName(SlotChange change) {
    switch (change) {
        case SlotChange::PrinterOnly:
            return "printer";
        case SlotChange::HereOnly:
            return "here";
        case SlotChange::BothAlike:
            return "alike";
        case SlotChange::Conflict:
            break;
    }
    return "conflict";
}

struct Row {
    std::string name;
    Edits printer;
    Edits here;
    std::optional<MergeSide> prefer;   // the choice for every conflict; none keeps here
    std::vector<std::string> slots;    // "<id> <change>"
    std::vector<std::string> merged;   // Contents of the merged directory
    std::vector<std::string> dropped;  // "<group> <member>"
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class Merge : public ::testing::TestWithParam<Row> {};

TEST_P(Merge, GivesTheSlotsAndTheMergedDirectory) {
    const Row& row = GetParam();
    DeviceCapability capability;
    ASSERT_EQ(ParseCapability(ExampleTexts(), &capability), rs::kSuccess);
    DirectoryData base = MakeDirectory(capability);
    FillExample(base);
    DirectoryData printer = base;
    DirectoryData here = base;
    Apply(printer, row.printer);
    Apply(here, row.here);

    std::vector<MergeSlot> slots = CompareThreeWay(base, printer, here);
    std::vector<std::string> found;
    for (const MergeSlot& slot : slots) found.push_back(slot.id + " " + ChangeName(slot.change));
    EXPECT_EQ(found, row.slots);
    EXPECT_EQ(HasConflict(slots), std::find_if(row.slots.begin(), row.slots.end(), [](const std::string& s) {
                                      return s.ends_with(" conflict");
                                  }) != row.slots.end());

    if (row.prefer) ChooseForConflicts(slots, *row.prefer);
    const MergeResult result = MergeDirectories(base, printer, here, slots);
    EXPECT_EQ(Contents(result.merged), row.merged);
    std::vector<std::string> dropped;
    for (const DroppedMember& member : result.dropped) dropped.push_back(member.group + " " + member.member);
    EXPECT_EQ(dropped, row.dropped);
    EXPECT_TRUE(HasShape(result.merged, capability));
}

// The example directory: "*00" empty, "01" Bo 12, "02" group G of "01", sender Al 5, rejected 99.
INSTANTIATE_TEST_SUITE_P(
    Rows, Merge,
    ::testing::Values(
        Row{"NothingChanged", {}, {}, {}, {}, {"01 Bo 12", "02 G: 01", "sender Al 5", "rejected 01 99"}, {}},
        Row{"PrinterOnly",
            {{"01", "Cy 34"}},
            {},
            {},
            {"01 printer"},
            {"01 Cy 34", "02 G: 01", "sender Al 5", "rejected 01 99"},
            {}},
        Row{"HereOnly",
            {},
            {{"sender", "Ed 6"}},
            {},
            {"sender here"},
            {"01 Bo 12", "02 G: 01", "sender Ed 6", "rejected 01 99"},
            {}},
        Row{"BothInOtherSlots",
            {{"rejected 01", "77"}, {"sender", "Ed 6"}},
            {{"*00", "Dd 8"}},
            {},
            {"*00 here", "sender printer", "rejected 01 printer"},
            {"*00 Dd 8", "01 Bo 12", "02 G: 01", "sender Ed 6", "rejected 01 77"},
            {}},
        Row{"BothAlike",
            {{"01", "Cy 34"}},
            {{"01", "Cy 34"}},
            {},
            {"01 alike"},
            {"01 Cy 34", "02 G: 01", "sender Al 5", "rejected 01 99"},
            {}},
        Row{"ConflictKeepsHereByDefault",
            {{"01", "Cy 34"}, {"rejected 01", "77"}},
            {{"01", "Dd 56"}, {"rejected 01", "78"}},
            {},
            {"01 conflict", "rejected 01 conflict"},
            {"01 Dd 56", "02 G: 01", "sender Al 5", "rejected 01 78"},
            {}},
        Row{"ConflictSettledForThePrinter",
            {{"01", "Cy 34"}, {"sender", "Ed 6"}},
            {{"01", "Dd 56"}, {"sender", "Fa 7"}},
            MergeSide::Printer,
            {"01 conflict", "sender conflict"},
            {"01 Cy 34", "02 G: 01", "sender Ed 6", "rejected 01 99"},
            {}},
        Row{"ConflictSettledForHere",
            {{"01", "Cy 34"}},
            {{"01", ""}, {"02", "G:"}},
            MergeSide::Here,
            {"01 conflict", "02 here"},
            {"02 G:", "sender Al 5", "rejected 01 99"},
            {}},
        Row{"MemberOfASlotThePrinterEmptiedIsDropped",
            {{"01", ""}},
            {{"02", "H:01"}},
            {},
            {"01 printer", "02 here"},
            {"02 H:", "sender Al 5", "rejected 01 99"},
            {"02 01"}},
        Row{"MemberOfASlotEmptiedHereIsDroppedFromThePrintersGroup",
            {{"*00", "Dd 8"}, {"02", "G:01 *00"}},
            {{"01", ""}},
            {},
            {"*00 printer", "01 here", "02 printer"},
            {"*00 Dd 8", "02 G: *00", "sender Al 5", "rejected 01 99"},
            {"02 01"}},
        Row{"MemberOfAConflictEmptiedHereIsDropped",
            {{"01", "Cy 34"}, {"02", "K:01"}},
            {{"01", ""}},
            {},
            {"01 conflict", "02 printer"},
            {"02 K:", "sender Al 5", "rejected 01 99"},
            {"02 01"}},
        Row{"MemberOfASlotEmptyEverywhereStays",
            {},
            {{"02", "G:01 *00"}},
            {},
            {"02 here"},
            {"01 Bo 12", "02 G: 01 *00", "sender Al 5", "rejected 01 99"},
            {}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace orvane
