// Capabilities and directories shared by the remote-setup tests.
#pragma once

#include "remotesetup/remote_setup.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane::testing_support {

// Positions of the capability texts in response order.
enum Field {
    kFormat,
    kCharacterCode,
    kKeycodeType,
    kMaxOneTouch,
    kCurOneTouch,
    kMaxCoded,
    kCurCoded,
    kMaxTel,
    kCurTel,
    kMaxName,
    kCurName,
    kMaxEmail,
    kCurEmail,
    kMaxUserTel,
    kCurUserTel,
    kMaxUserName,
    kCurUserName,
    kMaxReject,
    kCurReject,
    kMaxRejectTel,
    kCurRejectTel,
};

using Overrides = std::vector<std::pair<Field, std::string_view>>;

// The example printer: NC = 1, NO = 2, every width and length 4, R = 1, keycode "type2".
inline CapabilityTexts ExampleTexts(const Overrides& overrides = {}) {
    CapabilityTexts texts = {"RSD1", "ascii", "type2", "2", "2", "1", "1", "4", "4", "4", "4",
                             "0",    "0",     "4",     "4", "4", "4", "1", "1", "4", "4"};
    for (const auto& [field, value] : overrides) texts[field] = std::string(value);
    return texts;
}

// The example printer cut down to a single one-touch slot "01" and no coded slots, plus `extra`.
inline CapabilityTexts OneSlotTexts(const Overrides& extra = {}) {
    Overrides overrides = {{kMaxOneTouch, "1"}, {kCurOneTouch, "1"}, {kMaxCoded, "0"}, {kCurCoded, "0"}};
    overrides.insert(overrides.end(), extra.begin(), extra.end());
    return ExampleTexts(overrides);
}

// The example payload: "*00" empty, "01" Bo 12, "02" group G of "01", sender Al 5, reject "01" 99.
inline std::string ExamplePayload() {
    using namespace std::string_literals;
    return "DI*00\r\nDN\0\0\0\0\r\nDT\0\0\0\0\r\n"s
           "DI01\r\nDNBo\0\0\r\nDT12\0\0\r\n"s
           "GI02\r\nGNG\0\0\0\r\nGT\x02\0\0\0\r\n"s
           "KNAl\0\0\r\nKT5\0\0\0\r\n"s
           "RI01\r\nRT99\0\0\r\n"s;
}

// Byte counts of the three parts of ExamplePayload.
inline constexpr std::size_t kExampleDialBytes = 23 + 22 + 22;
inline constexpr std::size_t kExampleSenderBytes = 16;

// Sets one slot's identity the way a read from the printer does.
inline void SetSlot(DialEntry& entry, std::string_view id) {
    StoreText(entry.slot_id, id);
    entry.coded = id.find('*') != std::string_view::npos;
}

// Fills `data` (shaped by ExampleTexts) with the example directory by hand.
inline void FillExample(DirectoryData& data) {
    SetSlot(data.entries[0], "*00");
    SetSlot(data.entries[1], "01");
    data.entries[1].kind = EntryKind::Individual;
    StoreText(data.entries[1].name, "Bo");
    StoreText(data.entries[1].number, "12");
    SetSlot(data.entries[2], "02");
    data.entries[2].kind = EntryKind::Group;
    StoreText(data.entries[2].name, "G");
    data.entries[2].member_count = 1;
    StoreText(data.entries[2].members[0], "01");
    StoreText(data.sender.name, "Al");
    StoreText(data.sender.number, "5");
    StoreText(data.rejects[0].slot_id, "01");
    StoreText(data.rejects[0].number, "99");
}

// An object with `texts` applied and the given copies allocated; fails the test on a refusal.
inline void Prepare(CRSUFuncRemoteSetup& setup, const CapabilityTexts& texts,
                    std::initializer_list<DirectoryCopy> copies) {
    ASSERT_EQ(setup.ApplyCapability(texts), rs::kSuccess);
    for (DirectoryCopy copy : copies) ASSERT_EQ(setup.AllocateCopy(copy), rs::kSuccess);
}

}  // namespace orvane::testing_support
