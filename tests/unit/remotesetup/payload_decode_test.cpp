#include "remote_setup_fixtures.h"
#include "remotesetup/internal/payload.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

using namespace std::string_literals;
using namespace testing_support;

// Decodes `payload` into Working the way the exchange does and returns the first failure.
RsResult DecodeAll(CRSUFuncRemoteSetup& setup, std::string_view payload) {
    RsResult result = setup.DecodeSenderRecord(payload, DirectoryCopy::Working);
    if (result == rs::kSuccess) result = setup.DecodeRejectRecords(payload, DirectoryCopy::Working);
    if (result == rs::kSuccess) result = setup.DecodeDialRecords(payload, DirectoryCopy::Working);
    return result;
}

// Every text field of the copy still ends inside its buffer.
void ExpectTerminated(const DirectoryData& data) {
    for (const DialEntry& entry : data.entries) {
        EXPECT_TRUE(FieldIsTerminated(entry.name));
        EXPECT_TRUE(FieldIsTerminated(entry.number));
        EXPECT_LE(entry.member_count, entry.members.size());
    }
    EXPECT_TRUE(FieldIsTerminated(data.sender.name));
    EXPECT_TRUE(FieldIsTerminated(data.sender.number));
    for (const RejectEntry& reject : data.rejects) EXPECT_TRUE(FieldIsTerminated(reject.number));
}

TEST(PayloadDecode, ExampleBytesGiveTheExampleDirectory) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Baseline, DirectoryCopy::Working});
    FillExample(*setup.Copy(DirectoryCopy::Baseline));
    ASSERT_EQ(DecodeAll(setup, ExamplePayload()), rs::kSuccess);
    EXPECT_EQ(setup.CompareCopies(DirectoryCopy::Baseline, DirectoryCopy::Working), rs::kSuccess);
    const DirectoryData& working = *setup.Copy(DirectoryCopy::Working);
    EXPECT_TRUE(working.entries[0].coded);
    EXPECT_FALSE(working.entries[1].coded);
    EXPECT_EQ(working.entries[2].kind, EntryKind::Group);
    EXPECT_EQ(FieldText(working.entries[2].members[0]), "01");
    EXPECT_EQ(FieldText(working.rejects[0].slot_id), "01");
}

TEST(PayloadDecode, EncodedDirectoryDecodesToItself) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts({{kCurCoded, "1"}, {kMaxTel, "6"}, {kCurTel, "6"}}),
            {DirectoryCopy::Baseline, DirectoryCopy::Working});
    DirectoryData& working = *setup.Copy(DirectoryCopy::Working);
    FillExample(working);
    StoreText(working.entries[0].name, "Cy");
    StoreText(working.entries[0].number, "1p2T*#");
    working.entries[0].kind = EntryKind::Individual;
    working.entries[2].member_count = 2;
    StoreText(working.entries[2].members[1], "*00");
    std::string payload;
    ASSERT_EQ(setup.EncodePayload(&payload), rs::kSuccess);
    ASSERT_EQ(setup.CopyDirectory(DirectoryCopy::Baseline, DirectoryCopy::Working), rs::kSuccess);
    ASSERT_EQ(setup.ClearCopy(DirectoryCopy::Working), rs::kSuccess);
    ASSERT_EQ(DecodeAll(setup, payload), rs::kSuccess);
    EXPECT_EQ(setup.IsModified(), rs::kSuccess);
}

struct BitmapDecodeRow {
    const char* label;
    std::string bitmap;
    int coded_count;
    int onetouch_count;
    std::size_t cells;
    std::vector<std::string> members;
};

void PrintTo(const BitmapDecodeRow& row, std::ostream* os) {
    *os << row.label;
}

class GroupBitmapDecode : public ::testing::TestWithParam<BitmapDecodeRow> {};

TEST_P(GroupBitmapDecode, StoresOneTouchMembersFirst) {
    const BitmapDecodeRow& row = GetParam();
    DialEntry entry;
    entry.members.assign(row.cells, SlotId{'x', 'x', 'x', 'x'});
    DecodeGroupBitmap(row.bitmap, row.coded_count, row.onetouch_count, entry);
    ASSERT_EQ(entry.member_count, row.members.size());
    for (std::size_t i = 0; i < row.cells; ++i) {
        EXPECT_EQ(FieldText(entry.members[i]), i < row.members.size() ? row.members[i] : "") << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GroupBitmapDecode,
    ::testing::Values(BitmapDecodeRow{"Example", "\x02\0\0\0"s, 1, 2, 3, {"01"}},
                      BitmapDecodeRow{"OneTouchFirst", "\x07\0\0\0"s, 1, 2, 3, {"01", "02", "*00"}},
                      BitmapDecodeRow{"BitZeroWithoutCodedSlots", "\x01\0"s, 0, 2, 2, {"01"}},
                      BitmapDecodeRow{"ExtraMembersDropped", "\xff"s, 2, 6, 2, {"01", "02"}},
                      BitmapDecodeRow{"BitsPastTheSlotsIgnored", "\xf8\xff"s, 1, 2, 3, {}},
                      BitmapDecodeRow{"SecondByte", "\x01\x02"s, 2, 8, 10, {"08", "*00"}},
                      BitmapDecodeRow{"ShortBitmap", ""s, 1, 2, 3, {}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(PayloadDecode, DialNumbersKeepOnlyTheirFirstToneSwitch) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, OneSlotTexts({{kMaxTel, "8"}, {kCurTel, "8"}}), {DirectoryCopy::Working});
    ASSERT_EQ(setup.DecodeDialRecords("DI01\r\nDNAb\0\0\r\nDT1T2T3T\0\0\r\n"s, DirectoryCopy::Working),
              rs::kSuccess);
    EXPECT_EQ(FieldText(setup.Copy(DirectoryCopy::Working)->entries[0].number), "1T23");
}

TEST(PayloadDecode, KeepFirstToneSwitchRows) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"T1T2T3", "T123"}, {"12", "12"}, {"", ""}, {"TTT", "T"}, {"1T", "1T"}, {"p9TT", "p9T"}};
    for (const auto& [input, expected] : rows) {
        std::array<char, 8> number{};
        StoreText(number, input);
        KeepFirstToneSwitch(number);
        EXPECT_EQ(FieldText(number), expected) << input;
        EXPECT_EQ(number.back(), '\0');
    }
}

TEST(PayloadDecode, EmptyNumberLeavesTheSlotEmptyWithItsName) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, OneSlotTexts(), {DirectoryCopy::Working});
    ASSERT_EQ(setup.DecodeDialRecords("DI01\r\nDNAb\0\0\r\nDT\0\0\0\0\r\n"s, DirectoryCopy::Working),
              rs::kSuccess);
    const DialEntry& entry = setup.Copy(DirectoryCopy::Working)->entries[0];
    EXPECT_EQ(entry.kind, EntryKind::Empty);
    EXPECT_EQ(FieldText(entry.name), "Ab");
}

TEST(PayloadDecode, StoredTextsStopAtTheCurrentLengths) {
    CRSUFuncRemoteSetup setup;
    Prepare(
        setup,
        OneSlotTexts(
            {{kCurName, "2"}, {kCurTel, "3"}, {kCurUserName, "1"}, {kCurUserTel, "2"}, {kCurRejectTel, "1"}}),
        {DirectoryCopy::Working});
    const std::string payload = "DI01\r\nDNAbcd\r\nDT1234\r\nKNAlex\r\nKT5678\r\nRI01\r\nRT9876\r\n"s;
    ASSERT_EQ(DecodeAll(setup, payload), rs::kSuccess);
    const DirectoryData& working = *setup.Copy(DirectoryCopy::Working);
    EXPECT_EQ(FieldText(working.entries[0].name), "Ab");
    EXPECT_EQ(FieldText(working.entries[0].number), "123");
    EXPECT_EQ(FieldText(working.sender.name), "A");
    EXPECT_EQ(FieldText(working.sender.number), "56");
    EXPECT_EQ(FieldText(working.rejects[0].number), "9");
}

TEST(PayloadDecode, SenderNameIsMaskedByKeycodeSet) {
    const std::string payload = "KN\xb1\x87\0\0\r\nKT5\0\0\0\r\n"s;
    for (const auto& [keycode, expected] : {std::pair{"type1", "\xb1."}, std::pair{"type2", ".\x87"}}) {
        CRSUFuncRemoteSetup setup;
        Prepare(setup, ExampleTexts({{kKeycodeType, keycode}}), {DirectoryCopy::Working});
        ASSERT_EQ(setup.DecodeSenderRecord(payload, DirectoryCopy::Working), rs::kSuccess);
        EXPECT_EQ(FieldText(setup.Copy(DirectoryCopy::Working)->sender.name), expected) << keycode;
    }
}

TEST(PayloadDecode, DialNamesFromThePrinterAreNotMasked) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, OneSlotTexts(), {DirectoryCopy::Working});
    ASSERT_EQ(setup.DecodeDialRecords("DI01\r\nDN\xb1\0\0\0\r\nDT1\0\0\0\r\n"s, DirectoryCopy::Working),
              rs::kSuccess);
    EXPECT_EQ(FieldText(setup.Copy(DirectoryCopy::Working)->entries[0].name), "\xb1");
}

TEST(PayloadDecode, FirstRecordMayBeFoundAtTheFirstGroupTag) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, OneSlotTexts(), {DirectoryCopy::Working});
    ASSERT_EQ(setup.DecodeDialRecords("xyGI01\r\nGNG\0\0\0\r\nGT\x01\0\0\0\r\n"s, DirectoryCopy::Working),
              rs::kSuccess);
    const DialEntry& entry = setup.Copy(DirectoryCopy::Working)->entries[0];
    EXPECT_EQ(entry.kind, EntryKind::Group);
    EXPECT_EQ(entry.member_count, 1);
}

TEST(PayloadDecode, LongSlotIdIsCutToItsCellAndCannotBeSentBack) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup,
            ExampleTexts({{kMaxOneTouch, "0"}, {kCurOneTouch, "0"}, {kMaxCoded, "1"}, {kCurCoded, "1"}}),
            {DirectoryCopy::Working});
    ASSERT_EQ(setup.DecodeDialRecords("DI*1234\r\nDNAb\0\0\r\nDT1\0\0\0\r\n"s, DirectoryCopy::Working),
              rs::kSuccess);
    const DialEntry& entry = setup.Copy(DirectoryCopy::Working)->entries[0];
    EXPECT_EQ(entry.slot_id, (SlotId{'*', '1', '2', '3'}));
    EXPECT_TRUE(entry.coded);
    std::string payload;
    EXPECT_EQ(setup.EncodePayload(&payload), rs::kUnterminatedText);
}

TEST(PayloadDecode, NoSlotsReadNothingAndSucceed) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup,
            ExampleTexts({{kMaxOneTouch, "0"},
                          {kCurOneTouch, "0"},
                          {kMaxCoded, "0"},
                          {kCurCoded, "0"},
                          {kMaxReject, "0"},
                          {kCurReject, "0"}}),
            {DirectoryCopy::Working});
    EXPECT_TRUE(setup.Copy(DirectoryCopy::Working)->entries.empty());
    EXPECT_TRUE(setup.Copy(DirectoryCopy::Working)->rejects.empty());
    // Without dial records the payload opens with the sender record.
    std::string payload;
    ASSERT_EQ(setup.EncodePayload(&payload), rs::kSuccess);
    EXPECT_EQ(payload, "KN\0\0\0\0\r\nKT\0\0\0\0\r\n"s);
    EXPECT_EQ(DecodeAll(setup, payload), rs::kSuccess);
}

struct MalformedRow {
    const char* label;
    std::string bytes;
    RsResult expected;
};

void PrintTo(const MalformedRow& row, std::ostream* os) {
    *os << row.label;
}

class MalformedSender : public ::testing::TestWithParam<MalformedRow> {};
class MalformedReject : public ::testing::TestWithParam<MalformedRow> {};
class MalformedDial : public ::testing::TestWithParam<MalformedRow> {};

std::string RowName(const ::testing::TestParamInfo<MalformedRow>& info) {
    return info.param.label;
}

TEST_P(MalformedSender, GivesItsCode) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Working});
    EXPECT_EQ(setup.DecodeSenderRecord(GetParam().bytes, DirectoryCopy::Working), GetParam().expected);
    ExpectTerminated(*setup.Copy(DirectoryCopy::Working));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MalformedSender,
    ::testing::Values(
        MalformedRow{"Empty", "", rs::kSenderRecordIncomplete},
        MalformedRow{"NameTagWithoutSeparator", "xKNAl\r\nKT5\r\n", rs::kSenderRecordIncomplete},
        MalformedRow{"NoNumberTag", "\r\nKNAl\0\0\r\nRI01\r\n"s, rs::kSenderRecordIncomplete},
        MalformedRow{"NumberTagFirst", "\r\nKT5\r\n\r\nKNAl", rs::kSenderRecordIncomplete},
        MalformedRow{"NoClosingSeparator", "\r\nKNAl\r\nKT5\0\0\0"s, rs::kSenderRecordIncomplete},
        MalformedRow{"OnlyTags", "\r\nKN\r\nKT\r\n", rs::kSuccess},
        MalformedRow{"AtStart", "KNAl\0\0\r\nKT5\0\0\0\r\n"s, rs::kSuccess},
        MalformedRow{"LongFieldsCut", "\r\nKNAlexander\r\nKT55555555\r\n", rs::kSuccess}),
    RowName);

TEST_P(MalformedReject, GivesItsCode) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts({{kMaxReject, "2"}, {kCurReject, "2"}}), {DirectoryCopy::Working});
    EXPECT_EQ(setup.DecodeRejectRecords(GetParam().bytes, DirectoryCopy::Working), GetParam().expected);
    ExpectTerminated(*setup.Copy(DirectoryCopy::Working));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MalformedReject,
    ::testing::Values(
        MalformedRow{"Empty", "", rs::kRejectRecordsIncomplete},
        MalformedRow{"OnlyOne", "\r\nRI01\r\nRT99\0\0\r\n"s, rs::kRejectRecordsIncomplete},
        MalformedRow{"NoNumberTag", "\r\nRI01\r\nRI02\r\n", rs::kRejectRecordsIncomplete},
        MalformedRow{"NoClosingSeparator", "\r\nRI01\r\nRT9\r\nRI02\r\nRT8", rs::kRejectRecordsIncomplete},
        MalformedRow{"AtStartWithoutSeparator", "RI01\r\nRT9\r\nRI02\r\nRT8\r\n",
                     rs::kRejectRecordsIncomplete},
        MalformedRow{"Two", "\r\nRI01\r\nRT9\r\nRI02\r\nRT8\r\n", rs::kSuccess},
        MalformedRow{"LongIdAndNumberCut", "\r\nRI0123\r\nRT987654\r\nRI\r\nRT\r\n", rs::kSuccess}),
    RowName);

TEST_P(MalformedDial, GivesItsCode) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Working});
    EXPECT_EQ(setup.DecodeDialRecords(GetParam().bytes, DirectoryCopy::Working), GetParam().expected);
    ExpectTerminated(*setup.Copy(DirectoryCopy::Working));
}

const std::string kGoodRecord = "DI01\r\nDNBo\0\0\r\nDT12\0\0\r\n"s;

INSTANTIATE_TEST_SUITE_P(
    Rows, MalformedDial,
    ::testing::Values(
        MalformedRow{"Empty", "", rs::kDialRecordsMalformed},
        MalformedRow{"NoRecordTag", "KNAl\r\nKT5\r\n", rs::kDialRecordsMalformed},
        MalformedRow{"SecondTagUnknown", kGoodRecord + "XI02" + kGoodRecord.substr(4) + kGoodRecord,
                     rs::kDialRecordsMalformed},
        MalformedRow{"NameTagMissing", "DI01\r\nXXBo\0\0\r\nDT12\0\0\r\n"s + kGoodRecord + kGoodRecord,
                     rs::kDialRecordsMalformed},
        MalformedRow{"GroupWithDialNameTag", "GI01\r\nDNBo\0\0\r\nDT12\0\0\r\n"s, rs::kDialRecordsMalformed},
        MalformedRow{"TooFewRecords", kGoodRecord + kGoodRecord, rs::kDialRecordsMalformed},
        MalformedRow{"LastRecordCut", kGoodRecord + kGoodRecord + kGoodRecord.substr(0, 21),
                     rs::kDialRecordsMalformed},
        MalformedRow{"ThreeRecords", kGoodRecord + kGoodRecord + kGoodRecord, rs::kSuccess}),
    RowName);

// Every prefix of the example payload: each reader either succeeds or fails with its own code, and
// leaves every field of its copy terminated.
TEST(PayloadDecode, EveryTruncationFailsWithTheReadersOwnCode) {
    const std::string payload = ExamplePayload();
    const std::size_t sender_end = kExampleDialBytes + kExampleSenderBytes;
    for (std::size_t length = 0; length < payload.size(); ++length) {
        const std::string prefix = payload.substr(0, length);
        CRSUFuncRemoteSetup setup;
        Prepare(setup, ExampleTexts(), {DirectoryCopy::Working});
        EXPECT_EQ(setup.DecodeDialRecords(prefix, DirectoryCopy::Working),
                  length < kExampleDialBytes ? rs::kDialRecordsMalformed : rs::kSuccess)
            << length;
        EXPECT_EQ(setup.DecodeSenderRecord(prefix, DirectoryCopy::Working),
                  length < sender_end ? rs::kSenderRecordIncomplete : rs::kSuccess)
            << length;
        EXPECT_EQ(setup.DecodeRejectRecords(prefix, DirectoryCopy::Working), rs::kRejectRecordsIncomplete)
            << length;
        ExpectTerminated(*setup.Copy(DirectoryCopy::Working));
    }
}

TEST(PayloadDecode, ReadersRefuseMissingOrInvalidCopies) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {});
    const std::string payload = ExamplePayload();
    EXPECT_EQ(setup.DecodeSenderRecord(payload, DirectoryCopy::DeviceCheck), rs::kMissingBuffer);
    EXPECT_EQ(setup.DecodeRejectRecords(payload, DirectoryCopy::FileImport), rs::kMissingBuffer);
    EXPECT_EQ(setup.DecodeDialRecords(payload, static_cast<DirectoryCopy>(4)), rs::kInvalidCopy);
    EXPECT_EQ(setup.DecodeGroupBitmap("\x01", 0, static_cast<DirectoryCopy>(-1), 1, 2), rs::kInvalidCopy);
    ASSERT_EQ(setup.AllocateCopy(DirectoryCopy::Working), rs::kSuccess);
    EXPECT_EQ(setup.DecodeGroupBitmap("\x01", 3, DirectoryCopy::Working, 1, 2), rs::kMissingBuffer);
    EXPECT_EQ(setup.DecodeGroupBitmap("\x02", 2, DirectoryCopy::Working, 1, 2), rs::kSuccess);
    EXPECT_EQ(FieldText(setup.Copy(DirectoryCopy::Working)->entries[2].members[0]), "01");
}

}  // namespace
}  // namespace orvane
