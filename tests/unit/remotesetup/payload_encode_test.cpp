#include "remote_setup_fixtures.h"
#include "remotesetup/internal/payload.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

using namespace std::string_literals;
using namespace testing_support;

TEST(PayloadEncode, ExampleDirectoryGivesTheExampleBytes) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Working});
    FillExample(*setup.Copy(DirectoryCopy::Working));
    std::string payload;
    ASSERT_EQ(setup.EncodePayload(&payload), rs::kSuccess);
    EXPECT_EQ(payload, ExamplePayload());
}

TEST(PayloadEncode, PartsReportTheirByteCounts) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Working});
    FillExample(*setup.Copy(DirectoryCopy::Working));
    std::vector<char> buffer(PayloadSizesFor(setup.Capability()).Total());
    std::size_t written = 0;
    ASSERT_EQ(setup.EncodeDialRecords(buffer, &written), rs::kSuccess);
    EXPECT_EQ(std::string(buffer.data(), written), ExamplePayload().substr(0, kExampleDialBytes));
    ASSERT_EQ(setup.EncodeSenderRecord(buffer, &written), rs::kSuccess);
    EXPECT_EQ(std::string(buffer.data(), written),
              ExamplePayload().substr(kExampleDialBytes, kExampleSenderBytes));
    ASSERT_EQ(setup.EncodeRejectRecords(buffer, &written), rs::kSuccess);
    EXPECT_EQ(std::string(buffer.data(), written),
              ExamplePayload().substr(kExampleDialBytes + kExampleSenderBytes));
}

TEST(PayloadEncode, AnnIsTwentyFourBytes) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, OneSlotTexts({{kMaxName, "6"}, {kCurName, "6"}}), {DirectoryCopy::Working});
    DialEntry& ann = setup.Copy(DirectoryCopy::Working)->entries[0];
    SetSlot(ann, "01");
    ann.kind = EntryKind::Individual;
    StoreText(ann.name, "Ann");
    StoreText(ann.number, "123");
    std::vector<char> buffer(100);
    std::size_t written = 0;
    ASSERT_EQ(setup.EncodeDialRecords(buffer, &written), rs::kSuccess);
    EXPECT_EQ(std::string(buffer.data(), written), "DI01\r\nDNAnn\0\0\0\r\nDT123\0\r\n"s);
    EXPECT_EQ(written, 24u);
}

TEST(PayloadEncode, NoRejectSlotsSendsTheMaximumOfEmptyRecords) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts({{kMaxReject, "3"}, {kCurReject, "0"}}), {DirectoryCopy::Working});
    std::vector<char> buffer(PayloadSizesFor(setup.Capability()).reject);
    std::size_t written = 0;
    ASSERT_EQ(setup.EncodeRejectRecords(buffer, &written), rs::kSuccess);
    EXPECT_EQ(std::string(buffer.data(), written),
              "RI01\r\nRT\0\0\0\0\r\nRI02\r\nRT\0\0\0\0\r\nRI03\r\nRT\0\0\0\0\r\n"s);
}

TEST(PayloadEncode, EmptyAndIndividualKindsWriteZerosWhereUnused) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Working});
    DirectoryData& working = *setup.Copy(DirectoryCopy::Working);
    FillExample(working);
    // A kind-0 slot is sent without its leftover name and number.
    StoreText(working.entries[0].name, "Zed");
    StoreText(working.entries[0].number, "7");
    std::string payload;
    ASSERT_EQ(setup.EncodePayload(&payload), rs::kSuccess);
    EXPECT_EQ(payload.substr(0, 23), "DI*00\r\nDN\0\0\0\0\r\nDT\0\0\0\0\r\n"s);
}

struct BitmapRow {
    const char* label;
    int coded_count;
    int onetouch_count;
    std::vector<std::string> members;
    std::string bitmap;
};

void PrintTo(const BitmapRow& row, std::ostream* os) {
    *os << row.label;
}

class GroupBitmapEncode : public ::testing::TestWithParam<BitmapRow> {};

TEST_P(GroupBitmapEncode, SetsTheBitsOfItsMembers) {
    const BitmapRow& row = GetParam();
    DialEntry entry;
    entry.members.resize(row.members.size() + 1);
    entry.member_count = static_cast<std::uint16_t>(row.members.size());
    for (std::size_t i = 0; i < row.members.size(); ++i) StoreText(entry.members[i], row.members[i]);
    std::string bitmap(row.bitmap.size(), '\x7f');
    EncodeGroupBitmap(entry, row.coded_count, row.onetouch_count, bitmap);
    EXPECT_EQ(bitmap, row.bitmap);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GroupBitmapEncode,
    ::testing::Values(
        BitmapRow{"OneTouchPair", 1, 2, {"01", "02"}, "\x06\0\0\0"s},
        BitmapRow{"SecondSlotOnly", 1, 2, {"01"}, "\x02\0\0\0"s},
        BitmapRow{"AnyMemberOrder", 1, 2, {"02", "*00"}, "\x05\0\0\0"s},
        BitmapRow{"NoCodedSlots", 0, 2, {"01"}, "\x01\0"s},
        BitmapRow{"SecondByte", 2, 8, {"*01", "08"}, "\x02\x02"s},
        BitmapRow{"UnknownSlotIgnored", 1, 2, {"03", "*01"}, "\0"s},
        BitmapRow{"BitsPastTheBitmapDropped", 0, 10, {"08", "09", "10"}, "\x80"s},
        BitmapRow{"OnlyExactSlotTexts", 1, 2, {"1", "001", "*0", "*000", "00", "*", "", "0x"}, "\0"s}),
    [](const auto& info) { return std::string(info.param.label); });

// Each single member sets exactly the bit whose slot text it equals, and nothing when none does.
TEST(GroupBitmapEncode, MatchesSlotTextsExactly) {
    const int coded = 2;
    const int onetouch = 100;
    for (const char* id : {"*00", "*01", "*02", "*1", "*99", "01", "1", "001", "02", "99", "100", "101", "00",
                           "*", "0a", "+01", " 01"}) {
        DialEntry entry;
        entry.members.resize(1);
        entry.member_count = 1;
        StoreText(entry.members[0], id);
        std::string expected(13, '\0');
        for (int bit = 0; bit < coded + onetouch; ++bit) {
            const SlotId slot = bit < coded ? MakeSlotId(true, bit) : MakeSlotId(false, bit - coded + 1);
            if (FieldText(slot) == id)
                expected[bit / 8] = static_cast<char>(expected[bit / 8] | (1 << (bit % 8)));
        }
        std::string bitmap(13, '\x55');
        EncodeGroupBitmap(entry, coded, onetouch, bitmap);
        EXPECT_EQ(bitmap, expected) << id;
    }
}

TEST(GroupBitmapEncode, MembersPastTheMemberCountAreIgnored) {
    DialEntry entry;
    entry.members.resize(3);
    StoreText(entry.members[0], "01");
    StoreText(entry.members[1], "02");
    entry.member_count = 1;
    std::string bitmap(1, '\0');
    EncodeGroupBitmap(entry, 0, 3, bitmap);
    EXPECT_EQ(bitmap, "\x01");
}

// Fields the wire cannot carry are refused instead of being cut or written past the buffer.
TEST(PayloadEncode, UnwritableFieldsGive39) {
    auto encode_with = [](auto&& spoil) {
        CRSUFuncRemoteSetup setup;
        EXPECT_EQ(setup.ApplyCapability(ExampleTexts()), rs::kSuccess);
        EXPECT_EQ(setup.AllocateCopy(DirectoryCopy::Working), rs::kSuccess);
        FillExample(*setup.Copy(DirectoryCopy::Working));
        spoil(*setup.Copy(DirectoryCopy::Working));
        std::string payload;
        return setup.EncodePayload(&payload);
    };
    EXPECT_EQ(encode_with([](DirectoryData& d) {
                  d.entries[1].slot_id = {'*', '1', '0', '0'};
              }),
              rs::kUnterminatedText);
    EXPECT_EQ(encode_with([](DirectoryData& d) { d.entries[1].name.fill('A'); }), rs::kUnterminatedText);
    EXPECT_EQ(encode_with([](DirectoryData& d) { d.entries[2].name.fill('A'); }), rs::kUnterminatedText);
    EXPECT_EQ(encode_with([](DirectoryData& d) { d.entries[1].number.fill('1'); }), rs::kUnterminatedText);
    EXPECT_EQ(encode_with([](DirectoryData& d) { StoreText(d.entries[1].name, "Bobby"); }),
              rs::kUnterminatedText);
    EXPECT_EQ(encode_with([](DirectoryData& d) { StoreText(d.entries[1].number, "12345"); }),
              rs::kUnterminatedText);
    EXPECT_EQ(
        encode_with([](DirectoryData& d) { std::fill(d.sender.name.begin(), d.sender.name.end(), 'A'); }),
        rs::kUnterminatedText);
    EXPECT_EQ(encode_with([](DirectoryData& d) { d.rejects[0].number.fill('9'); }), rs::kUnterminatedText);
    EXPECT_EQ(encode_with([](DirectoryData& d) { StoreText(d.rejects[0].number, "99999"); }),
              rs::kUnterminatedText);
    EXPECT_EQ(encode_with([](DirectoryData&) {}), rs::kSuccess);
}

TEST(PayloadEncode, ShortBufferGives39AndStaysInside) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Working});
    FillExample(*setup.Copy(DirectoryCopy::Working));
    for (std::size_t size = 0; size < kExampleDialBytes; ++size) {
        std::vector<char> buffer(size);
        std::size_t written = 0;
        EXPECT_EQ(setup.EncodeDialRecords(buffer, &written), rs::kUnterminatedText) << size;
    }
    std::vector<char> sender(kExampleSenderBytes - 1);
    std::size_t written = 0;
    EXPECT_EQ(setup.EncodeSenderRecord(sender, &written), rs::kUnterminatedText);
}

TEST(PayloadEncode, MissingWorkingGives4) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {});
    std::string payload;
    EXPECT_EQ(setup.EncodePayload(&payload), rs::kMissingBuffer);
    std::vector<char> bitmap(4);
    EXPECT_EQ(setup.EncodeGroupBitmap(0, bitmap), rs::kMissingBuffer);
}

TEST(PayloadEncode, GroupBitmapOfWorkingEntry) {
    CRSUFuncRemoteSetup setup;
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Working});
    FillExample(*setup.Copy(DirectoryCopy::Working));
    std::string bitmap(4, '\x55');
    ASSERT_EQ(setup.EncodeGroupBitmap(2, bitmap), rs::kSuccess);
    EXPECT_EQ(bitmap, "\x02\0\0\0"s);
    EXPECT_EQ(setup.EncodeGroupBitmap(3, bitmap), rs::kMissingBuffer);
    std::string short_bitmap(3, '\0');
    EXPECT_EQ(setup.EncodeGroupBitmap(2, short_bitmap), rs::kMissingBuffer);
}

}  // namespace
}  // namespace orvane
