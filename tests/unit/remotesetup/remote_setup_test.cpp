#include "remotesetup/remote_setup.h"
#include "remote_setup_fixtures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace orvane {
namespace {

using namespace testing_support;

constexpr auto kBadHigh = static_cast<DirectoryCopy>(4);
constexpr auto kBadLow = static_cast<DirectoryCopy>(-1);

TEST(RemoteSetupSettings, NamesAndPortKind) {
    CRSUFuncRemoteSetup setup;
    EXPECT_FALSE(setup.HasPrinterName());
    EXPECT_EQ(setup.SetPrinterName(nullptr), rs::kMissingBuffer);
    EXPECT_EQ(setup.SetPortName(nullptr), rs::kMissingBuffer);
    EXPECT_EQ(setup.SetPrinterName("Velor MX 410"), rs::kSuccess);
    EXPECT_TRUE(setup.HasPrinterName());
    EXPECT_EQ(setup.PrinterName(), "Velor MX 410");

    EXPECT_EQ(setup.SetPortName("VLNETP_10.0.0.5"), rs::kSuccess);
    EXPECT_EQ(setup.PortKindHint(), kPortKindNetwork);
    EXPECT_EQ(setup.ReadChunkSize(), kNetworkReadChunk);
    EXPECT_EQ(setup.SetPortName("USB001"), rs::kSuccess);
    EXPECT_EQ(setup.PortName(), "USB001");
    EXPECT_EQ(setup.PortKindHint(), kPortKindLocal);
    EXPECT_EQ(setup.ReadChunkSize(), kLocalReadChunk);
    EXPECT_EQ(setup.SetPortName("vlnetp_x"), rs::kSuccess);
    EXPECT_EQ(setup.PortKindHint(), kPortKindLocal);
}

TEST(RemoteSetupCopies, AllocatedCopiesHaveTheCapabilitysShape) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts({{kCurUserName, "3"}, {kCurUserTel, "2"}}), {DirectoryCopy::Working});
    EXPECT_EQ(setup.DialSlotCount(), 3);
    EXPECT_EQ(setup.RejectSlotCount(), 1);
    const DirectoryData& working = *setup.Copy(DirectoryCopy::Working);
    ASSERT_EQ(working.entries.size(), 3u);
    for (const DialEntry& entry : working.entries) {
        EXPECT_EQ(entry.members.size(), 3u);
        EXPECT_EQ(entry.kind, EntryKind::Empty);
    }
    EXPECT_EQ(working.sender.name.size(), 4u);
    EXPECT_EQ(working.sender.number.size(), 3u);
    EXPECT_EQ(working.rejects.size(), 1u);
    EXPECT_EQ(setup.Copy(DirectoryCopy::Baseline), nullptr);
    EXPECT_EQ(setup.Copy(kBadHigh), nullptr);
}

TEST(RemoteSetupCopies, InvalidSelectorsGive18) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Working});
    for (DirectoryCopy bad : {kBadHigh, kBadLow}) {
        EXPECT_EQ(setup.AllocateCopy(bad), rs::kInvalidCopy);
        EXPECT_EQ(setup.FreeCopy(bad), rs::kInvalidCopy);
        EXPECT_EQ(setup.ClearCopy(bad), rs::kInvalidCopy);
        EXPECT_EQ(setup.ClearCopy(bad, ClearForm::Lenient), rs::kInvalidCopy);
        EXPECT_EQ(setup.CopyDirectory(bad, DirectoryCopy::Working), rs::kInvalidCopy);
        EXPECT_EQ(setup.CopyDirectory(DirectoryCopy::Working, bad), rs::kInvalidCopy);
        EXPECT_EQ(setup.CompareCopies(DirectoryCopy::Working, bad), rs::kInvalidCopy);
        EXPECT_EQ(setup.ReplaceCopy(bad, DirectoryCopy::Working), rs::kInvalidCopy);
    }
}

TEST(RemoteSetupCopies, MissingCopiesGive4) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Working});
    EXPECT_EQ(setup.ClearCopy(DirectoryCopy::Baseline), rs::kMissingBuffer);
    EXPECT_EQ(setup.ClearCopy(DirectoryCopy::Baseline, ClearForm::Lenient), rs::kMissingBuffer);
    EXPECT_EQ(setup.CopyDirectory(DirectoryCopy::Baseline, DirectoryCopy::Working), rs::kMissingBuffer);
    EXPECT_EQ(setup.CopyDirectory(DirectoryCopy::Working, DirectoryCopy::Baseline), rs::kMissingBuffer);
    EXPECT_EQ(setup.CompareCopies(DirectoryCopy::Working, DirectoryCopy::Baseline), rs::kMissingBuffer);
    EXPECT_EQ(setup.IsModified(), rs::kMissingBuffer);
    EXPECT_EQ(setup.FreeCopy(DirectoryCopy::Baseline), rs::kSuccess);
    EXPECT_EQ(setup.FreeCopy(DirectoryCopy::Working), rs::kSuccess);
    EXPECT_EQ(setup.Copy(DirectoryCopy::Working), nullptr);
}

TEST(RemoteSetupCopies, ClearCopyKeepsIdentities) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Working});
    DirectoryData& working = *setup.Copy(DirectoryCopy::Working);
    FillExample(working);
    ASSERT_EQ(setup.ClearCopy(DirectoryCopy::Working), rs::kSuccess);
    EXPECT_EQ(FieldText(working.entries[0].slot_id), "*00");
    EXPECT_TRUE(working.entries[0].coded);
    EXPECT_EQ(FieldText(working.entries[1].slot_id), "01");
    EXPECT_FALSE(working.entries[1].coded);
    for (const DialEntry& entry : working.entries) {
        EXPECT_EQ(entry.kind, EntryKind::Empty);
        EXPECT_EQ(entry.name, decltype(entry.name){});
        EXPECT_EQ(entry.number, decltype(entry.number){});
        EXPECT_EQ(entry.member_count, 0);
        EXPECT_EQ(entry.members, std::vector<SlotId>(3));
    }
    EXPECT_EQ(working.sender.name, std::vector<char>(5, '\0'));
    EXPECT_EQ(working.sender.number, std::vector<char>(5, '\0'));
    EXPECT_EQ(FieldText(working.rejects[0].slot_id), "01");
    EXPECT_EQ(FieldText(working.rejects[0].number), "");
}

TEST(RemoteSetupCopies, StrictClearRefusesAMisshapenCopyLenientClearsIt) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::FileImport});
    DirectoryData& import = *setup.Copy(DirectoryCopy::FileImport);
    FillExample(import);
    import.rejects.clear();
    EXPECT_EQ(setup.ClearCopy(DirectoryCopy::FileImport), rs::kMissingBuffer);
    EXPECT_EQ(FieldText(import.entries[1].name), "Bo");
    EXPECT_EQ(setup.ClearCopy(DirectoryCopy::FileImport, ClearForm::Lenient), rs::kSuccess);
    EXPECT_EQ(FieldText(import.entries[1].name), "");
}

TEST(RemoteSetupCopies, ReplaceCopyOntoItselfIsRefusedAndChangesNothing) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Working});
    FillExample(*setup.Copy(DirectoryCopy::Working));
    EXPECT_EQ(setup.ReplaceCopy(DirectoryCopy::Working, DirectoryCopy::Working), rs::kInvalidCopy);
    EXPECT_EQ(FieldText(setup.Copy(DirectoryCopy::Working)->entries[1].name), "Bo");
}

TEST(RemoteSetupCopies, ReplaceCopyMakesTheSourceTheNewBaseline) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Baseline, DirectoryCopy::Working});
    FillExample(*setup.Copy(DirectoryCopy::Working));
    EXPECT_EQ(setup.IsModified(), rs::kModified);
    EXPECT_EQ(setup.ReplaceCopy(DirectoryCopy::Baseline, DirectoryCopy::Working), rs::kSuccess);
    EXPECT_EQ(setup.IsModified(), rs::kSuccess);
    EXPECT_EQ(FieldText(setup.Copy(DirectoryCopy::Baseline)->entries[2].members[0]), "01");
}

TEST(RemoteSetupCopies, ReplaceFromAMissingSourceLeavesTheDestination) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Baseline});
    FillExample(*setup.Copy(DirectoryCopy::Baseline));
    EXPECT_EQ(setup.ReplaceCopy(DirectoryCopy::Baseline, DirectoryCopy::DeviceCheck), rs::kMissingBuffer);
    EXPECT_EQ(FieldText(setup.Copy(DirectoryCopy::Baseline)->entries[1].name), "Bo");
}

// Each edit makes Working differ; undoing it by hand makes it equal again.
TEST(RemoteSetupCopies, UndoingAnEditByHandIsNotAModification) {
    using Edit = void (*)(DirectoryData&, bool undo);
    const std::vector<std::pair<const char*, Edit>> edits = {
        {"name",
         [](DirectoryData& d, bool undo) { std::strcpy(d.entries[1].name.data(), undo ? "Bo" : "Bobi"); }},
        {"number",
         [](DirectoryData& d, bool undo) { std::strcpy(d.entries[1].number.data(), undo ? "12" : "123"); }},
        {"kind", [](DirectoryData& d,
                    bool undo) { d.entries[1].kind = undo ? EntryKind::Individual : EntryKind::Empty; }},
        {"member",
         [](DirectoryData& d, bool undo) { StoreText(d.entries[2].members[0], undo ? "01" : "*00"); }},
        {"member count", [](DirectoryData& d, bool undo) { d.entries[2].member_count = undo ? 1 : 2; }},
        {"sender name",
         [](DirectoryData& d, bool undo) { std::strcpy(d.sender.name.data(), undo ? "Al" : "Alf"); }},
        {"sender number", [](DirectoryData& d, bool undo) { d.sender.number[0] = undo ? '5' : '6'; }},
        {"reject",
         [](DirectoryData& d, bool undo) { std::strcpy(d.rejects[0].number.data(), undo ? "99" : "9"); }},
    };
    for (const auto& [label, edit] : edits) {
        CRSUFuncRemoteSetup setup;
        Prepare(setup, ExampleTexts(), {DirectoryCopy::Baseline, DirectoryCopy::Working});
        FillExample(*setup.Copy(DirectoryCopy::Working));
        ASSERT_EQ(setup.CopyDirectory(DirectoryCopy::Baseline, DirectoryCopy::Working), rs::kSuccess);
        ASSERT_EQ(setup.IsModified(), rs::kSuccess) << label;
        edit(*setup.Copy(DirectoryCopy::Working), false);
        EXPECT_EQ(setup.IsModified(), rs::kModified) << label;
        EXPECT_EQ(setup.CompareCopies(DirectoryCopy::Baseline, DirectoryCopy::Working), rs::kCopiesDiffer)
            << label;
        edit(*setup.Copy(DirectoryCopy::Working), true);
        EXPECT_EQ(setup.IsModified(), rs::kSuccess) << label;
    }
}

TEST(RemoteSetupCopies, NoSlotsGiveEmptyListsInEveryCopy) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts({{kCurOneTouch, "0"}, {kCurCoded, "0"}, {kCurReject, "0"}}),
            {DirectoryCopy::Baseline, DirectoryCopy::Working, DirectoryCopy::DeviceCheck,
             DirectoryCopy::FileImport});
    for (int copy = 0; copy < kDirectoryCopyCount; ++copy) {
        const DirectoryData& data = *setup.Copy(static_cast<DirectoryCopy>(copy));
        EXPECT_TRUE(data.entries.empty());
        EXPECT_TRUE(data.rejects.empty());
    }
    EXPECT_EQ(setup.ReplaceCopy(DirectoryCopy::Baseline, DirectoryCopy::Working), rs::kSuccess);
    EXPECT_EQ(setup.IsModified(), rs::kSuccess);
}

TEST(RemoteSetupCapability, TextsAreConvertedAndKept) {
    CRSUFuncRemoteSetup setup;
    ASSERT_EQ(setup.ApplyCapability(
                  ExampleTexts({{kMaxEmail, " \t+64xyz"}, {kCurEmail, "junk"}, {kKeycodeType, "type1"}})),
              rs::kSuccess);
    const DeviceCapability& capability = setup.Capability();
    EXPECT_EQ(capability.support_data_format, "RSD1");
    EXPECT_EQ(capability.character_code, "ascii");
    EXPECT_EQ(capability.keycode_type, "type1");
    EXPECT_EQ(capability.max_email_address_length, 64);
    EXPECT_EQ(capability.current_email_address_length, 0);
    EXPECT_EQ(capability.max_tel_no_length, 4);
    const CapabilityTexts texts = capability.ToTexts();
    EXPECT_EQ(texts[kMaxEmail], "64");
    EXPECT_EQ(texts[kCurEmail], "0");
    EXPECT_EQ(texts[kKeycodeType], "type1");
    EXPECT_EQ(texts, ExampleTexts({{kMaxEmail, "64"}, {kCurEmail, "0"}, {kKeycodeType, "type1"}}));
}

TEST(RemoteSetupCapability, NumberConversion) {
    const std::vector<std::pair<std::string, std::int32_t>> rows = {{"", 0},
                                                                    {"abc", 0},
                                                                    {"12", 12},
                                                                    {"  7", 7},
                                                                    {"\n\t-3", -3},
                                                                    {"+9x", 9},
                                                                    {"4 5", 4},
                                                                    {"- 5", 0},
                                                                    {"0012", 12},
                                                                    {"2147483647", 2147483647},
                                                                    {"99999999999", 2147483647},
                                                                    {"-2147483648", -2147483647 - 1},
                                                                    {"-99999999999", -2147483647 - 1}};
    for (const auto& [text, value] : rows) EXPECT_EQ(ParseCapabilityNumber(text), value) << text;
}

struct CapabilityRow {
    const char* label;
    Overrides overrides;
    RsResult expected;
};

// Capabilities the fixed fields cannot hold are refused before anything is stored or allocated.
TEST(RemoteSetupCapability, RefusesWhatTheCopiesCannotHold) {
    const std::vector<CapabilityRow> rows = {
        {"name at capacity", {{kMaxName, "60"}, {kCurName, "47"}}, rs::kSuccess},
        {"name past capacity", {{kMaxName, "60"}, {kCurName, "48"}}, rs::kCapabilityUnsupported},
        {"name wider than wire", {{kCurName, "5"}}, rs::kCapabilityUnsupported},
        {"number at capacity", {{kMaxTel, "200"}, {kCurTel, "120"}}, rs::kSuccess},
        {"number past capacity", {{kMaxTel, "200"}, {kCurTel, "121"}}, rs::kCapabilityUnsupported},
        {"number wider than wire", {{kCurTel, "5"}}, rs::kCapabilityUnsupported},
        {"reject number at capacity", {{kMaxRejectTel, "120"}, {kCurRejectTel, "120"}}, rs::kSuccess},
        {"reject number past capacity",
         {{kMaxRejectTel, "130"}, {kCurRejectTel, "121"}},
         rs::kCapabilityUnsupported},
        {"reject number wider than wire", {{kCurRejectTel, "5"}}, rs::kCapabilityUnsupported},
        {"sender name wider than wire", {{kCurUserName, "5"}}, rs::kCapabilityUnsupported},
        {"sender number wider than wire", {{kCurUserTel, "5"}}, rs::kCapabilityUnsupported},
        {"negative count", {{kCurCoded, "-1"}}, rs::kCapabilityUnsupported},
        {"negative width", {{kMaxName, "-4"}}, rs::kCapabilityUnsupported},
        {"negative e-mail length", {{kMaxEmail, "-1"}}, rs::kCapabilityUnsupported},
        {"saturated negative", {{kMaxReject, "-99999999999"}}, rs::kCapabilityUnsupported},
        {"coded slots all nameable", {{kMaxCoded, "100"}, {kCurCoded, "100"}}, rs::kSuccess},
        {"coded slots past *99", {{kMaxCoded, "101"}, {kCurCoded, "100"}}, rs::kCapabilityUnsupported},
        {"more coded than max", {{kCurCoded, "2"}}, rs::kCapabilityUnsupported},
        {"one-touch slots all nameable", {{kMaxOneTouch, "999"}, {kCurOneTouch, "999"}}, rs::kSuccess},
        {"one-touch past 999", {{kMaxOneTouch, "1000"}}, rs::kCapabilityUnsupported},
        {"more one-touch than max", {{kCurOneTouch, "3"}}, rs::kCapabilityUnsupported},
        {"reject slots all nameable", {{kMaxReject, "99"}, {kCurReject, "99"}}, rs::kSuccess},
        {"reject past 99", {{kMaxReject, "100"}}, rs::kCapabilityUnsupported},
        {"more rejects than max", {{kCurReject, "2"}}, rs::kCapabilityUnsupported},
        {"payload past 7 digits", {{kMaxTel, "2147483647"}}, rs::kCapabilityUnsupported},
        {"sender past 7 digits", {{kMaxUserName, "9999999"}}, rs::kCapabilityUnsupported},
        {"saturated width", {{kMaxRejectTel, "99999999999"}}, rs::kCapabilityUnsupported},
        {"wide fields without slots",
         {{kMaxOneTouch, "0"},
          {kCurOneTouch, "0"},
          {kMaxCoded, "0"},
          {kCurCoded, "0"},
          {kMaxName, "2000000000"}},
         rs::kSuccess},
    };
    for (const CapabilityRow& row : rows) {
        CRSUFuncRemoteSetup setup;
        ASSERT_EQ(setup.ApplyCapability(ExampleTexts()), rs::kSuccess);
        EXPECT_EQ(setup.ApplyCapability(ExampleTexts(row.overrides)), row.expected) << row.label;
        if (row.expected != rs::kSuccess) {
            // The refused capability left the earlier one in place.
            EXPECT_EQ(setup.Capability().ToTexts(), ExampleTexts()) << row.label;
        }
        EXPECT_EQ(setup.AllocateCopy(DirectoryCopy::Working), rs::kSuccess) << row.label;
        std::string payload;
        EXPECT_EQ(setup.EncodePayload(&payload), rs::kSuccess) << row.label;
        EXPECT_LE(payload.size(), PayloadSizesFor(setup.Capability()).Total()) << row.label;
    }
}

TEST(RemoteSetupCapability, CopiesOfAnEarlierCapabilityAreRefusedNotOverrun) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Baseline, DirectoryCopy::Working});
    ASSERT_EQ(setup.ApplyCapability(ExampleTexts({{kMaxCoded, "5"}, {kCurCoded, "5"}})), rs::kSuccess);
    std::string payload;
    EXPECT_EQ(setup.EncodePayload(&payload), rs::kMissingBuffer);
    EXPECT_EQ(setup.DecodeDialRecords(testing_support::ExamplePayload(), DirectoryCopy::Working),
              rs::kMissingBuffer);
    EXPECT_EQ(setup.IsModified(), rs::kMissingBuffer);
    EXPECT_EQ(setup.AllocateCopy(DirectoryCopy::Working), rs::kSuccess);
    EXPECT_EQ(setup.Copy(DirectoryCopy::Working)->entries.size(), 7u);
}

TEST(RemoteSetupCapability, PayloadSizesFollowTheMaximums) {
    DeviceCapability capability;
    ASSERT_EQ(ParseCapability(ExampleTexts({{kMaxReject, "3"}}), &capability), rs::kSuccess);
    const PayloadSizes sizes = PayloadSizesFor(capability);
    EXPECT_EQ(sizes.dial, 3u * (4 + 4 + 16));
    EXPECT_EQ(sizes.sender, 4u + 4 + 8);
    EXPECT_EQ(sizes.reject, (4u + 11) * 3);
    EXPECT_EQ(sizes.Total(), sizes.dial + sizes.sender + sizes.reject);
}

}  // namespace
}  // namespace orvane
