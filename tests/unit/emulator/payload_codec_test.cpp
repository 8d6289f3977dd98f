#include <gtest/gtest.h>

#include "emulator/capability.h"
#include "emulator/directory.h"
#include "emulator/payload_codec.h"

namespace orvane::sim {
namespace {

using namespace std::literals;

Widths SmallWidths() {
    return Widths::From(*ProfileCapability("small"));
}

// The directory of the smallest printer: "*00" empty, "01" Bo 12, "02" group G of "01", Al 5, reject 99.
Directory SmallDirectory() {
    Directory d = ShapeDirectory(SmallWidths(), SlotOrder::CodedFirst);
    FillSampleEntries(d, SmallWidths(), false);
    return d;
}

const std::string kSmallPayload =
    "DI*00\r\nDN\0\0\0\0\r\nDT\0\0\0\0\r\n"
    "DI01\r\nDNBo\0\0\r\nDT12\0\0\r\n"
    "GI02\r\nGNG\0\0\0\r\nGT\x02\0\0\0\r\n"
    "KNAl\0\0\r\nKT5\0\0\0\r\n"
    "RI01\r\nRT99\0\0\r\n"s;

TEST(PayloadEncode, SmallestPrinterGivesTheReferenceBytes) {
    EXPECT_EQ(EncodePayload(SmallDirectory(), SmallWidths()), kSmallPayload);
    EXPECT_EQ(PayloadSize(SmallDirectory(), SmallWidths()), kSmallPayload.size());
}

TEST(PayloadEncode, NoRejectSlotsSendsEmptyRecordsUpToTheMaximum) {
    Capability c = *ProfileCapability("small");
    c.Set("current_reject_tel_num", "0");
    c.Set("max_reject_tel_num", "3");
    const Widths w = Widths::From(c);
    Directory d = ShapeDirectory(w, SlotOrder::CodedFirst);
    const std::string payload = EncodePayload(d, w);
    EXPECT_EQ(payload.substr(payload.size() - 42),
              "RI01\r\nRT\0\0\0\0\r\nRI02\r\nRT\0\0\0\0\r\nRI03\r\nRT\0\0\0\0\r\n"s);
    EXPECT_EQ(PayloadSize(d, w), payload.size());
    EXPECT_EQ(DecodePayload(payload, w, d), "");
}

TEST(PayloadEncode, LargePrinterSpansSeveralChunks) {
    const Widths w = Widths::From(*ProfileCapability("large"));
    Directory d = ShapeDirectory(w, SlotOrder::OneTouchFirst);
    FillSampleEntries(d, w, true);
    const std::string payload = EncodePayload(d, w);
    EXPECT_EQ(payload.size(), PayloadSize(d, w));
    EXPECT_GT(payload.size(), 4u * 4096u);
    EXPECT_LT(payload.size(), 20u * 1024u);
    EXPECT_EQ(payload.substr(0, 4), "DI01");
}

struct BitmapRow {
    std::vector<std::string> members;
    long nc;
    long no;
    std::string bitmap;
};

TEST(GroupBitmap, CodedSlotsComeFirst) {
    const BitmapRow rows[] = {
        {{"01", "02"}, 1, 2, "\x06\0\0\0"s},
        {{"*00"}, 1, 2, "\x01\0\0\0"s},
        {{"01"}, 0, 2, "\x01\0\0\0"s},
        {{"02", "*08"}, 9, 2, "\0\x05\0\0"s},
        {{"03", "*00"}, 1, 2, "\x01\0\0\0"s},  // "03" is no slot of this printer
        {{}, 1, 2, "\0\0\0\0"s},
    };
    for (const auto& row : rows) {
        Widths w = SmallWidths();
        w.coded_slots = row.nc;
        w.one_touch_slots = row.no;
        EXPECT_EQ(EncodeGroupBitmap(row.members, w), row.bitmap) << row.nc << "/" << row.no;
    }
}

TEST(PayloadDecode, ReadsBackWhatWasEncoded) {
    const Widths w = Widths::From(*ProfileCapability("typical"));
    Directory sent = ShapeDirectory(w, SlotOrder::CodedFirst);
    FillSampleEntries(sent, w, false);
    Directory received = ShapeDirectory(w, SlotOrder::CodedFirst);
    ASSERT_EQ(DecodePayload(EncodePayload(sent, w), w, received), "");
    EXPECT_EQ(received, sent);
}

TEST(PayloadDecode, AcceptsRecordsInAnyOrderAndDropsIndividualsWithoutNumber) {
    const std::string payload =
        "DI01\r\nDNAnn\0\r\nDT\0\0\0\0\r\nDI*"
        "00\r\nDNCy\0\0\r\nDT7\0\0\0\r\nGI02\r\nGN\0\0\0\0\r\nGT\x03\0\0\0\r\n"
        "KN\0\0\0\0\r\nKT\0\0\0\0\r\nRI01\r\nRT\0\0\0\0\r\n"s;
    Directory d = SmallDirectory();
    ASSERT_EQ(DecodePayload(payload, SmallWidths(), d), "");
    EXPECT_EQ(d.dials[1].kind, SlotKind::Empty);
    EXPECT_EQ(d.dials[1].name, "");
    EXPECT_EQ(d.dials[0].kind, SlotKind::Individual);
    EXPECT_EQ(d.dials[0].number, "7");
    EXPECT_EQ(d.dials[2].members, (std::vector<std::string>{"*00", "01"}));
    EXPECT_EQ(d.sender_name, "");
    EXPECT_EQ(d.rejects[0], "");
}

TEST(PayloadDecode, SenderNumberMayCarryAPlusThatDialNumbersMayNot) {
    Directory d = SmallDirectory();
    std::string payload = kSmallPayload;
    payload.replace(payload.find("KT5\0\0\0"s), 6, "KT+5 1");
    ASSERT_EQ(DecodePayload(payload, SmallWidths(), d), "");
    EXPECT_EQ(d.sender_number, "+5 1");
    std::string dial = kSmallPayload;
    dial.replace(dial.find("DT12"), 4, "DT+1");
    EXPECT_NE(DecodePayload(dial, SmallWidths(), d), "");
}

struct MalformedRow {
    const char* what;
    std::string payload;
};

TEST(PayloadDecode, RefusesMalformedPayloadsAndKeepsTheDirectory) {
    const std::string good = kSmallPayload;
    auto replaced = [&](std::size_t at, std::string_view with) {
        std::string p = good;
        p.replace(at, with.size(), with);
        return p;
    };
    const MalformedRow rows[] = {
        {"empty", ""},
        {"cut short", good.substr(0, good.size() - 1)},
        {"trailing byte", good + "x"},
        {"wrong first tag", replaced(0, "XI")},
        {"unknown slot", replaced(2, "*01")},
        {"slot twice", replaced(26, "2")},
        {"bitmap bit past the last slot", replaced(61, "\x08")},
        {"name bytes after padding", replaced(9, "\0A"sv)},
        {"letter in a number", replaced(39, "1x")},
        {"sender tag", replaced(67, "KX")},
        {"reject slot ID", replaced(85, "02")},
    };
    for (const auto& row : rows) {
        Directory d = SmallDirectory();
        EXPECT_NE(DecodePayload(row.payload, SmallWidths(), d), "") << row.what;
        EXPECT_EQ(d, SmallDirectory()) << row.what;
    }
}

TEST(PayloadDecode, RefusesTextsLongerThanThePrinterKeeps) {
    Capability c = *ProfileCapability("small");
    c.Set("current_name_length", "2");
    const Widths w = Widths::From(c);
    Directory d = ShapeDirectory(w, SlotOrder::CodedFirst);
    const std::string payload = EncodePayload(SmallDirectory(), SmallWidths());
    EXPECT_EQ(DecodePayload(payload, w, d), "");
    std::string longer = payload;
    longer.replace(longer.find("Bo\0"s), 3, "Bob");
    EXPECT_NE(DecodePayload(longer, w, d), "");
}

}  // namespace
}  // namespace orvane::sim
