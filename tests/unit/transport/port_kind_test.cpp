#include "transport/port_kind.h"

#include <gtest/gtest.h>

#include "transport/internal/last_error.h"
#include "transport/internal/port_channel.h"
#include "transport/internal/usb_port.h"
#include "transport/transport_codes.h"
#include "transport_test_env.h"

namespace orvane {
namespace {

using testing::kWindows2000;
using testing::kWindows95;
using testing::kWindowsMe;
using testing::kWindowsNt4;
using testing::kWindowsXp;

struct FamilyRow {
    OsVersion version;
    OsFamily family;
};

TEST(OsFamilyTest, VersionReportsMapToFamilies) {
    const FamilyRow rows[] = {
        {kWindows95, OsFamily::Win9x},
        {kWindowsMe, OsFamily::Win9x},
        {kWindowsNt4, OsFamily::Unsupported},
        {{3, 51, kPlatformWin32Nt}, OsFamily::Unsupported},
        {{5, 0, kPlatformWin32Windows}, OsFamily::Unsupported},
        {kWindows2000, OsFamily::Win2000},
        {kWindowsXp, OsFamily::WinXpOrLater},
        {{5, 2, kPlatformWin32Nt}, OsFamily::WinXpOrLater},
        {{6, 0, kPlatformWin32Nt}, OsFamily::WinXpOrLater},
        {{10, 0, kPlatformWin32Nt}, OsFamily::WinXpOrLater},
    };
    for (const FamilyRow& row : rows) {
        EXPECT_EQ(DecideOsFamily(row.version), row.family)
            << row.version.major << "." << row.version.minor << " platform " << row.version.platform;
    }
}

TEST(OsFamilyTest, ThisSystemIsFamilyFour) {
    OsVersion version;
    ASSERT_TRUE(SystemOsVersion(&version));
    EXPECT_EQ(DecideOsFamily(version), OsFamily::WinXpOrLater);
}

struct KindRow {
    const char* name;
    PortKind kind;
};

TEST(PortKindTest, NamesAreClassifiedByExactTests) {
    const KindRow rows[] = {
        {"USB001", PortKind::Usb},
        {"USB000", PortKind::Usb},
        {"USB127:", PortKind::Usb},
        {"USB127:junk", PortKind::Usb},
        {"USB128", PortKind::None},
        {"USB01", PortKind::None},
        {"USB0011", PortKind::None},
        {"usb001", PortKind::None},
        {"USB00a", PortKind::None},
        {"USBPRN01", PortKind::SystemMonitor},
        {"USBPRN99:", PortKind::SystemMonitor},
        {"USBPRN00", PortKind::None},
        {"USBPRN100", PortKind::None},
        {"USBPRN1", PortKind::None},
        {"PVUSBPRN01", PortKind::MakerMonitor},
        {"PVUSBPRN42:x", PortKind::MakerMonitor},
        {"PVUSBPRN00", PortKind::None},
        {"VLNETP_x", PortKind::Network},
        {"VLNETP_", PortKind::None},
        {"vlnetp_x", PortKind::None},
        {"LPT1:", PortKind::None},
        {"", PortKind::None},
    };
    for (const KindRow& row : rows) EXPECT_EQ(ClassifyPortName(row.name), row.kind) << row.name;
}

TEST(PortKindTest, UsbNumbers) {
    EXPECT_EQ(UsbPortNumber("USB001"), 1);
    EXPECT_EQ(UsbPortNumber("USB127"), 127);
    EXPECT_EQ(UsbPortNumber("USB099:"), 99);
    EXPECT_EQ(UsbPortNumber("USB128"), -1);
    EXPECT_EQ(UsbPortNumber("USB999"), -1);
}

TEST(PortKindTest, NetworkPortsAreNamedByTheirPrefix) {
    EXPECT_TRUE(IsNetworkPortName("VLNETP_10.0.0.5"));
    EXPECT_TRUE(IsNetworkPortName("VLNETP_"));  // a network name, though no back end serves it
    EXPECT_FALSE(IsNetworkPortName("vlnetp_x"));
    EXPECT_FALSE(IsNetworkPortName("VLNETP"));
    EXPECT_FALSE(IsNetworkPortName("USB001"));
    EXPECT_EQ(kNetworkPortFlags, 12u);
    EXPECT_EQ(PortOpenFlags("VLNETP_printer"), kNetworkPortFlags);
    EXPECT_EQ(PortOpenFlags("VLNETP_"), kNetworkPortFlags);
    EXPECT_EQ(PortOpenFlags("USB001"), 0u);
    EXPECT_EQ(PortOpenFlags("xVLNETP_printer"), 0u);
}

struct AcceptRow {
    const char* name;
    OsFamily family;
    uint32_t flags;
    PortKind accepted;
};

TEST(PortKindTest, FamiliesAndFlagsDecideWhatIsAccepted) {
    const AcceptRow rows[] = {
        {"USB001", OsFamily::Win9x, 12, PortKind::None},
        {"USBPRN01", OsFamily::Win9x, 0, PortKind::SystemMonitor},
        {"PVUSBPRN01", OsFamily::Win9x, 0, PortKind::MakerMonitor},
        {"VLNETP_x", OsFamily::Win9x, 12, PortKind::None},
        {"USB001", OsFamily::Win2000, 0, PortKind::Usb},
        {"USB001", OsFamily::WinXpOrLater, 0, PortKind::Usb},
        {"USBPRN01", OsFamily::WinXpOrLater, 0, PortKind::None},
        {"VLNETP_x", OsFamily::WinXpOrLater, 0, PortKind::None},
        {"VLNETP_x", OsFamily::WinXpOrLater, 8, PortKind::None},
        {"VLNETP_x", OsFamily::WinXpOrLater, 4, PortKind::Network},
        {"VLNETP_x", OsFamily::Win2000, 12, PortKind::Network},
        {"VLNETP_", OsFamily::WinXpOrLater, 12, PortKind::None},
        {"USB001", OsFamily::Unsupported, 12, PortKind::None},
    };
    for (const AcceptRow& row : rows) {
        EXPECT_EQ(AcceptedPortKind(row.name, row.family, row.flags), row.accepted)
            << row.name << " family " << static_cast<int>(row.family) << " flags " << row.flags;
    }
}

TEST(UsbTimeoutTest, OutOfRangeTimeoutsBecomeDefaults) {
    EXPECT_EQ(EffectiveUsbWriteTimeout(0), 2000u);
    EXPECT_EQ(EffectiveUsbWriteTimeout(1), 1u);
    EXPECT_EQ(EffectiveUsbWriteTimeout(15000), 15000u);
    EXPECT_EQ(EffectiveUsbWriteTimeout(15001), 2000u);
    EXPECT_EQ(EffectiveUsbReadTimeout(0), 4000u);
    EXPECT_EQ(EffectiveUsbReadTimeout(30000), 30000u);
    EXPECT_EQ(EffectiveUsbReadTimeout(45000), 4000u);
}

class ChannelCreationTest : public testing::TransportFolders {};

struct CreationRow {
    const char* name;
    OsVersion version;
    uint32_t flags;
    uint32_t code;
};

TEST_F(ChannelCreationTest, RejectedCreationsLeaveTheirCode) {
    const CreationRow rows[] = {
        {nullptr, kWindowsXp, 0, transport_code::kMissingArgument},
        {"USB001", kWindowsNt4, 0, transport_code::kOsNotSupported},
        {"USB001", kWindows95, 0, transport_code::kPortNotSupported},
        {"USB128", kWindowsXp, 0, transport_code::kPortNotSupported},
        {"USBPRN01", kWindowsXp, 0, transport_code::kPortNotSupported},
        {"USBPRN00", kWindows95, 0, transport_code::kPortNotSupported},
        {"USBPRN100", kWindows95, 0, transport_code::kPortNotSupported},
        {"VLNETP_", kWindowsXp, 12, transport_code::kPortNotSupported},
        {"VLNETP_x", kWindowsXp, 8, transport_code::kPortNotSupported},
        {"LPT1", kWindows2000, 12, transport_code::kPortNotSupported},
        {"USB001", kWindowsXp, 0, transport_code::kUsbDeviceNotFound},  // no lp0 in the device folder
    };
    for (const CreationRow& row : rows) {
        SetTransportLastError(0);
        EXPECT_EQ(PortChannel::Create(row.name, row.flags, testing::HooksFor(row.version, &pauses_)),
                  nullptr);
        EXPECT_EQ(TransportLastError(), row.code) << (row.name ? row.name : "(null)");
    }
}

TEST_F(ChannelCreationTest, FailedVersionReportIsAGeneralFailure) {
    TransportHooks hooks;
    hooks.os_version = [](OsVersion*) { return false; };
    EXPECT_EQ(PortChannel::Create("USB001", 0, hooks), nullptr);
    EXPECT_EQ(TransportLastError(), transport_code::kGeneralFailure);
}

TEST_F(ChannelCreationTest, MissingDeviceReleasesTheClaim) {
    EXPECT_EQ(PortChannel::Create("USB002", 0, testing::HooksFor(kWindowsXp, &pauses_)), nullptr);
    PortClaim claim;
    EXPECT_EQ(claim.Claim("USB002"), transport_code::kSuccess);
}

}  // namespace
}  // namespace orvane
