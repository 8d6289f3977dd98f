#include "directory_file_fixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orvane {
namespace {

using namespace std::string_literals;
using namespace testing_support;

constexpr std::uint16_t kProduct = 0x1234;

// The file body that `setup` saves.
std::string BodyOf(const CRSUFuncRemoteSetup& setup) {
    std::string plain;
    EXPECT_EQ(setup.EncodeDirectoryFile(kProduct, &plain), rs::kSuccess);
    return plain;
}

std::string ExampleBody() {
    CRSUFuncRemoteSetup setup;
    PrepareExample(setup);
    return BodyOf(setup);
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// Loads `plain` from a real file into `setup`.
RsResult LoadBody(CRSUFuncRemoteSetup& setup, std::string_view plain) {
    TemporaryFolder folder;
    WritePlainFile(folder / "a.rsd", plain);
    return setup.LoadDirectoryFile(folder / "a.rsd");
}

TEST(DirectoryFileLoad, SavedDirectoryLoadsBackIntoWorkingOnly) {
    TemporaryFolder folder;
    CRSUFuncRemoteSetup source;
    PrepareExample(source);
    ASSERT_EQ(source.SaveDirectoryFile(folder / "a.rsd", kProduct), rs::kSuccess);

    CRSUFuncRemoteSetup target;
    PrepareEmptyExample(target);
    ASSERT_EQ(target.CheckDirectoryFile(folder / "a.rsd", kProduct), rs::kSuccess);
    ASSERT_EQ(target.LoadDirectoryFile(folder / "a.rsd"), rs::kSuccess);
    EXPECT_TRUE(SameDirectory(*target.Copy(DirectoryCopy::Working), *source.Copy(DirectoryCopy::Working)));
    EXPECT_EQ(target.IsModified(), rs::kModified);
    EXPECT_EQ(MembersOf(*target.Copy(DirectoryCopy::Baseline), 2), std::vector<std::string>{});
    EXPECT_EQ(target.Copy(DirectoryCopy::FileImport), nullptr);
}

TEST(DirectoryFileLoad, RecordsAreMatchedBySlotIdNotByPlace) {
    CRSUFuncRemoteSetup target;
    PrepareEmptyExample(target, ExampleTexts(), {"02", "*00", "01"});
    ASSERT_EQ(LoadBody(target, ExampleBody()), rs::kSuccess);
    const DirectoryData& working = *target.Copy(DirectoryCopy::Working);
    EXPECT_EQ(FieldText(working.entries[0].slot_id), "02");
    EXPECT_EQ(working.entries[0].kind, EntryKind::Group);
    EXPECT_EQ(MembersOf(working, 0), std::vector<std::string>{"01"});
    EXPECT_EQ(working.entries[1].kind, EntryKind::Empty);
    EXPECT_TRUE(working.entries[1].coded);
    EXPECT_EQ(FieldText(working.entries[2].name), "Bo");
    EXPECT_EQ(FieldText(working.entries[2].number), "12");
    EXPECT_EQ(FieldText(working.sender.name), "Al");
    EXPECT_EQ(FieldText(working.rejects[0].number), "99");
}

TEST(DirectoryFileLoad, MissingRecordLeavesItsSlotEmptyAndTheOthersInPlace) {
    const std::string body = Replaced(ExampleBody(), "\r\nDI01\r\nDNBo\0\0\r\nDT12\0\0"s, "");
    CRSUFuncRemoteSetup target;
    PrepareEmptyExample(target);
    ASSERT_EQ(LoadBody(target, body), rs::kSuccess);
    const DirectoryData& working = *target.Copy(DirectoryCopy::Working);
    EXPECT_EQ(working.entries[1].kind, EntryKind::Empty);
    EXPECT_EQ(FieldText(working.entries[1].name), "");
    EXPECT_EQ(FieldText(working.entries[1].slot_id), "01");
    EXPECT_EQ(working.entries[2].kind, EntryKind::Group);
    EXPECT_EQ(FieldText(working.entries[2].name), "G");
    EXPECT_EQ(FieldText(working.rejects[0].number), "99");
}

TEST(DirectoryFileLoad, MissingRejectRecordLeavesItsSlotEmpty) {
    CRSUFuncRemoteSetup source;
    Prepare(source, ExampleTexts({{kMaxReject, "2"}, {kCurReject, "2"}}), {DirectoryCopy::Working});
    DirectoryData& data = *source.Copy(DirectoryCopy::Working);
    SetSlots(data, {"*00", "01", "02"});
    StoreText(data.rejects[0].number, "11");
    StoreText(data.rejects[1].number, "22");
    const std::string body = Replaced(BodyOf(source), "\r\nRI01\r\nRT11\0\0"s, "");

    CRSUFuncRemoteSetup target;
    PrepareEmptyExample(target, ExampleTexts({{kMaxReject, "3"}, {kCurReject, "3"}}));
    ASSERT_EQ(LoadBody(target, body), rs::kSuccess);
    const DirectoryData& working = *target.Copy(DirectoryCopy::Working);
    EXPECT_EQ(FieldText(working.rejects[0].number), "");
    EXPECT_EQ(FieldText(working.rejects[1].number), "22");
    EXPECT_EQ(FieldText(working.rejects[2].number), "");
}

// A printer with 3 coded and 4 one-touch slots and 2 reject slots.
CapabilityTexts BiggerTexts() {
    return ExampleTexts({{kMaxOneTouch, "4"},
                         {kCurOneTouch, "4"},
                         {kMaxCoded, "3"},
                         {kCurCoded, "3"},
                         {kMaxReject, "2"},
                         {kCurReject, "2"}});
}

const std::vector<std::string_view> kBiggerSlots = {"*00", "*01", "*02", "01", "02", "03", "04"};

TEST(DirectoryFileLoad, FileOfABiggerPrinterFitsIntoTheSlotsThisPrinterHas) {
    CRSUFuncRemoteSetup source;
    Prepare(source, BiggerTexts(), {DirectoryCopy::Working});
    DirectoryData& data = *source.Copy(DirectoryCopy::Working);
    SetSlots(data, kBiggerSlots);
    SetIndividual(data, 0, "Ca", "1");
    SetIndividual(data, 2, "Cc", "3");
    SetGroup(data, 3, "G", {"*00", "*01", "02", "03", "04"});
    SetIndividual(data, 4, "Bo", "12");
    SetIndividual(data, 6, "Dd", "44");
    StoreText(data.rejects[0].number, "99");
    StoreText(data.rejects[1].number, "98");

    CRSUFuncRemoteSetup target;
    PrepareEmptyExample(target);
    ASSERT_EQ(LoadBody(target, BodyOf(source)), rs::kSuccess);
    const DirectoryData& working = *target.Copy(DirectoryCopy::Working);
    EXPECT_EQ(FieldText(working.entries[0].name), "Ca");
    // Members keep their slots: "*01", "03" and "04" do not exist here and are dropped.
    EXPECT_EQ(working.entries[1].kind, EntryKind::Group);
    EXPECT_EQ(MembersOf(working, 1), (std::vector<std::string>{"02", "*00"}));
    EXPECT_EQ(FieldText(working.entries[2].number), "12");
    EXPECT_EQ(FieldText(working.rejects[0].number), "99");
    std::string saved;
    EXPECT_EQ(target.EncodeDirectoryFile(kProduct, &saved), rs::kSuccess);
}

TEST(DirectoryFileLoad, GroupWhoseMembersAreAllMissingHereStaysEmpty) {
    CRSUFuncRemoteSetup source;
    Prepare(source, BiggerTexts(), {DirectoryCopy::Working});
    DirectoryData& data = *source.Copy(DirectoryCopy::Working);
    SetSlots(data, kBiggerSlots);
    SetGroup(data, 3, "G", {"*02", "04"});

    CRSUFuncRemoteSetup target;
    PrepareEmptyExample(target);
    ASSERT_EQ(LoadBody(target, BodyOf(source)), rs::kSuccess);
    const DialEntry& entry = target.Copy(DirectoryCopy::Working)->entries[1];
    EXPECT_EQ(entry.kind, EntryKind::Empty);
    EXPECT_EQ(FieldText(entry.name), "");
    EXPECT_EQ(entry.member_count, 0);
}

TEST(DirectoryFileLoad, FileOfASmallerPrinterFillsTheSlotsItNames) {
    CRSUFuncRemoteSetup target;
    PrepareEmptyExample(target, BiggerTexts(), kBiggerSlots);
    ASSERT_EQ(LoadBody(target, ExampleBody()), rs::kSuccess);
    const DirectoryData& working = *target.Copy(DirectoryCopy::Working);
    EXPECT_EQ(FieldText(working.entries[3].name), "Bo");
    EXPECT_EQ(MembersOf(working, 4), std::vector<std::string>{"01"});
    for (std::size_t i : {0u, 1u, 2u, 5u, 6u}) EXPECT_EQ(working.entries[i].kind, EntryKind::Empty) << i;
    EXPECT_EQ(FieldText(working.rejects[0].number), "99");
    EXPECT_EQ(FieldText(working.rejects[1].number), "");
}

TEST(DirectoryFileLoad, BitmapBytesThatFormCrLfKeepTheirMembers) {
    const CapabilityTexts texts = ExampleTexts({{kMaxCoded, "16"}, {kCurCoded, "16"}});
    std::vector<std::string> ids;
    for (int slot = 0; slot < 16; ++slot) ids.emplace_back(FieldText(MakeSlotId(true, slot)));
    ids.insert(ids.end(), {"01", "02"});
    const std::vector<std::string_view> views(ids.begin(), ids.end());
    CRSUFuncRemoteSetup source;
    Prepare(source, texts, {DirectoryCopy::Working});
    SetSlots(*source.Copy(DirectoryCopy::Working), views);
    // Bitmap bytes 0x0D 0x0A: bits 0, 2, 3 and 9, 11.
    const std::vector<std::string_view> members = {"*00", "*02", "*03", "*09", "*11"};
    SetGroup(*source.Copy(DirectoryCopy::Working), 16, "G", members);
    const std::string body = BodyOf(source);
    ASSERT_NE(body.find("GT\r\n\0\0\r\n"s), std::string::npos);

    CRSUFuncRemoteSetup target;
    PrepareEmptyExample(target, texts, views);
    ASSERT_EQ(LoadBody(target, body), rs::kSuccess);
    EXPECT_EQ(MembersOf(*target.Copy(DirectoryCopy::Working), 16),
              (std::vector<std::string>{"*00", "*02", "*03", "*09", "*11"}));
}

TEST(DirectoryFileLoad, NamesAreMaskedAndNumbersKeepTheirFirstToneSwitch) {
    CRSUFuncRemoteSetup source;
    Prepare(source, ExampleTexts({{kMaxTel, "8"}, {kCurTel, "8"}}), {DirectoryCopy::Working});
    DirectoryData& data = *source.Copy(DirectoryCopy::Working);
    SetSlots(data, {"*00", "01", "02"});
    SetIndividual(data, 1, "B\x80", "1T2T3T45");
    StoreText(data.sender.name, "\x81z");

    CRSUFuncRemoteSetup target;
    PrepareEmptyExample(target, ExampleTexts({{kKeycodeType, "type1"}}));
    ASSERT_EQ(LoadBody(target, BodyOf(source)), rs::kSuccess);
    const DirectoryData& working = *target.Copy(DirectoryCopy::Working);
    EXPECT_EQ(FieldText(working.entries[1].name), "B.");
    // Tone switches go before the number is cut to this printer's 4 characters.
    EXPECT_EQ(FieldText(working.entries[1].number), "1T23");
    EXPECT_EQ(FieldText(working.sender.name), ".z");
}

TEST(DirectoryFileLoad, WithoutWorkingNothingIsRead) {
    CRSUFuncRemoteSetup target;
    ASSERT_EQ(target.ApplyCapability(ExampleTexts()), rs::kSuccess);
    TemporaryFolder folder;
    EXPECT_EQ(target.LoadDirectoryFile(folder / "missing.rsd"), rs::kMissingBuffer);
}

struct BrokenFileRow {
    const char* label;
    std::function<std::string(const std::string&)> damage;  // turns the example body into the file body
    RsResult expected;
};

void PrintTo(const BrokenFileRow& row, std::ostream* os) {
    *os << row.label;
}

std::string ReorderedUnterminated(const std::string& body) {
    const std::size_t payload = body.size() - ExamplePayload().size();
    const std::string dial = ExamplePayload().substr(0, kExampleDialBytes);
    const std::string rest = ExamplePayload().substr(kExampleDialBytes);
    // Sender and reject records first, then the dial records with the last CR LF cut off.
    return body.substr(0, payload) + rest.substr(0) + "\r\n" + dial.substr(0, dial.size() - 2);
}

class BrokenFile : public ::testing::TestWithParam<BrokenFileRow> {};

TEST_P(BrokenFile, GivesItsCodeAndLeavesWorking) {
    const BrokenFileRow& row = GetParam();
    CRSUFuncRemoteSetup target;
    PrepareEmptyExample(target);
    FillExample(*target.Copy(DirectoryCopy::Baseline));
    ASSERT_EQ(target.ReplaceCopy(DirectoryCopy::Working, DirectoryCopy::Baseline), rs::kSuccess);
    EXPECT_EQ(LoadBody(target, row.damage(ExampleBody())), row.expected);
    EXPECT_EQ(target.IsModified(), rs::kSuccess);
    EXPECT_EQ(target.Copy(DirectoryCopy::FileImport), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BrokenFile,
    ::testing::Values(
        BrokenFileRow{"Empty", [](const std::string&) { return ""s; }, rs::kFileMalformed},
        BrokenFileRow{"TagOnly", [](const std::string& b) { return b.substr(0, 18); },
                      rs::kSenderRecordIncomplete},
        BrokenFileRow{"CutInDialRecords", [](const std::string& b) { return b.substr(0, b.find("GI02")); },
                      rs::kSenderRecordIncomplete},
        BrokenFileRow{"CutAfterSenderName", [](const std::string& b) { return b.substr(0, b.find("KT5")); },
                      rs::kSenderRecordIncomplete},
        BrokenFileRow{"CutInRejectNumber", [](const std::string& b) { return b.substr(0, b.size() - 2); },
                      rs::kRejectRecordsIncomplete},
        BrokenFileRow{"RejectNumberTagLost",
                      [](const std::string& b) { return Replaced(b, "\r\nRT99", "\r\nRX99"); },
                      rs::kRejectRecordsIncomplete},
        BrokenFileRow{"SenderNumberTagLost",
                      [](const std::string& b) { return Replaced(b, "\r\nKT5", "\r\nKX5"); },
                      rs::kSenderRecordIncomplete},
        BrokenFileRow{"NoCapabilityDocument",
                      [](const std::string& b) { return Replaced(b, "<?xml", "<?xmm"); }, rs::kFileMalformed},
        BrokenFileRow{"DocumentOfAnotherService",
                      [](const std::string& b) {
                          return Replaced(b, "servicetype=\"remotesetup\"", "servicetype=\"fax\"");
                      },
                      rs::kProtocolFailure},
        BrokenFileRow{"DocumentOfAnotherOperation",
                      [](const std::string& b) {
                          return Replaced(b, ">GetCapabilityResponse<", ">GetStatusResponse<");
                      },
                      rs::kFileMalformed},
        BrokenFileRow{"DocumentAnsweringNG",
                      [](const std::string& b) {
                          return Replaced(b, "<ivec:response>OK</ivec:response><ivec:response_detail/>",
                                          "<ivec:response>NG</ivec:response>"
                                          "<ivec:response_detail>DataError</ivec:response_detail>");
                      },
                      rs::kDataError},
        BrokenFileRow{"DocumentUnreadable",
                      [](const std::string& b) { return Replaced(b, "<ivec:contents>", "<ivec:contents"); },
                      rs::kProtocolFailure},
        BrokenFileRow{"NameTagLost", [](const std::string& b) { return Replaced(b, "\r\nDNBo", "\r\nDXBo"); },
                      rs::kFileMalformed},
        BrokenFileRow{"NumberTagLost",
                      [](const std::string& b) { return Replaced(b, "\r\nDT12", "\r\nDX12"); },
                      rs::kFileMalformed},
        BrokenFileRow{"LastDialRecordUnterminated", ReorderedUnterminated, rs::kDialRecordUnterminated},
        BrokenFileRow{"NotInverted", [](const std::string& b) { return Inverted(b); },
                      rs::kSenderRecordIncomplete}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DirectoryFileLoad, MissingFileOrFolderCannotBeOpened) {
    TemporaryFolder folder;
    CRSUFuncRemoteSetup target;
    PrepareEmptyExample(target);
    EXPECT_EQ(target.LoadDirectoryFile(folder / "missing.rsd"), rs::kFileOpenFailed);
    EXPECT_EQ(target.LoadDirectoryFile(folder.path()), rs::kFileOpenFailed);
    EXPECT_EQ(target.IsModified(), rs::kSuccess);
}

TEST(DirectoryFileStandalone, SlotsFollowTheFileAndMissingOnesComeLast) {
    CRSUFuncRemoteSetup source;
    Prepare(source, ExampleTexts(), {DirectoryCopy::Working});
    DirectoryData& data = *source.Copy(DirectoryCopy::Working);
    SetSlots(data, {"02", "01", "*00"});
    SetIndividual(data, 0, "Cy", "22");
    SetIndividual(data, 2, "Ed", "3");
    const std::string body = Replaced(BodyOf(source), "\r\nDI01\r\nDN\0\0\0\0\r\nDT\0\0\0\0"s, "");

    CRSUFuncRemoteSetup shown;
    ASSERT_EQ(SetUpFromDirectoryBytes(body, shown), rs::kSuccess);
    const DirectoryData& working = *shown.Copy(DirectoryCopy::Working);
    ASSERT_EQ(working.entries.size(), 3u);
    EXPECT_EQ(FieldText(working.entries[0].slot_id), "02");
    EXPECT_EQ(FieldText(working.entries[0].name), "Cy");
    EXPECT_EQ(FieldText(working.entries[1].slot_id), "*00");
    EXPECT_TRUE(working.entries[1].coded);
    EXPECT_EQ(FieldText(working.entries[1].number), "3");
    EXPECT_EQ(FieldText(working.entries[2].slot_id), "01");
    EXPECT_EQ(FieldText(working.rejects[0].slot_id), "01");
}

TEST(DirectoryFileStandalone, RefusesAFileWithoutAUsableCapability) {
    CRSUFuncRemoteSetup shown;
    EXPECT_EQ(SetUpFromDirectoryBytes("<PID>0x1234</PID>", shown), rs::kFileMalformed);
    const std::string body =
        Replaced(ExampleBody(), "<ivec:current_coded_dial_num>1<", "<ivec:current_coded_dial_num>7<");
    EXPECT_EQ(SetUpFromDirectoryBytes(body, shown), rs::kCapabilityUnsupported);
}

}  // namespace
}  // namespace orvane
