// Named objects, the port claim and the USB device node when another local user has planted
// something under the names the program uses.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "planted_files.h"
#include "transport/internal/port_claim.h"
#include "transport/internal/usb_port.h"
#include "transport/named_object.h"
#include "transport/transport_codes.h"
#include "transport_test_env.h"

namespace orvane {
namespace {

using testing::Plant;
using testing::PlantAt;
using testing::Victim;

constexpr Plant kEveryPlant[] = {Plant::kLinkToVictim, Plant::kFifo, Plant::kFolder,
                                 Plant::kHardLinkToVictim};

// Every object the window and the command-line program create, in both scopes.
std::vector<std::string> ProgramObjectNames() {
    return {"Global\\orvkitMutex",        "orvkitCommunicateMutex", "orvRejectShutdownMsgMutex",
            std::string(kClaimGuardName), ClaimMutexName("USB001"), std::string(kPortClaimTableName)};
}

std::string TestNameOf(const std::string& object, Plant plant) {
    std::string name;
    for (char c : object) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name + "_" + testing::PlantName(plant);
}

class PlantedObjectTest : public testing::TransportFolders,
                          public ::testing::WithParamInterface<std::tuple<std::string, Plant>> {
  protected:
    void SetUp() override {
        TransportFolders::SetUp();
        victim_.emplace(root_ / "victim");
        PlantAt(NamedObject::PathFor(Name()), std::get<1>(GetParam()), *victim_);
    }
    const std::string& Name() const { return std::get<0>(GetParam()); }
    std::optional<Victim> victim_;
};

TEST_P(PlantedObjectTest, ObjectFailsAndTheVictimIsUntouched) {
    NamedObjectStatus status = NamedObjectStatus::Created;
    NamedObject object = NamedObject::Create(Name(), &status);
    EXPECT_EQ(status, NamedObjectStatus::Failed);
    EXPECT_FALSE(object.IsHeld());
    EXPECT_FALSE(NamedObject::Acquire(Name()).IsHeld());  // returns at once instead of waiting
    EXPECT_FALSE(NamedObject::Exists(Name()));
    victim_->ExpectUntouched();
}

INSTANTIATE_TEST_SUITE_P(ProgramObjects, PlantedObjectTest,
                         ::testing::Combine(::testing::ValuesIn(ProgramObjectNames()),
                                            ::testing::ValuesIn(kEveryPlant)),
                         [](const auto& info) {
                             return TestNameOf(std::get<0>(info.param), std::get<1>(info.param));
                         });

class DanglingLinkTest : public testing::TransportFolders {};

// A dangling link is not followed either: nothing is created where it points.
TEST_F(DanglingLinkTest, CreatesNothingAtItsTarget) {
    const std::filesystem::path target = root_ / "would-be-created";
    ASSERT_EQ(::symlink(target.c_str(), NamedObject::PathFor("Global\\orvkitMutex").c_str()), 0);
    NamedObjectStatus status = NamedObjectStatus::Created;
    NamedObject object = NamedObject::Create("Global\\orvkitMutex", &status);
    EXPECT_EQ(status, NamedObjectStatus::Failed);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(target)));
}

// The claim of a port with one of its three objects planted: the claim's own failure code,
// nothing held, the victim untouched.
struct ClaimCase {
    std::string object;
    std::string port;
    uint32_t code;
};

class PlantedClaimTest : public testing::TransportFolders,
                         public ::testing::WithParamInterface<std::tuple<ClaimCase, Plant>> {};

TEST_P(PlantedClaimTest, ClaimFailsWithItsCode) {
    const auto& [claim_case, plant] = GetParam();
    const Victim victim(root_ / "victim");
    PlantAt(NamedObject::PathFor(claim_case.object), plant, victim);
    PortClaim claim;
    EXPECT_EQ(claim.Claim(claim_case.port), claim_case.code);
    EXPECT_FALSE(claim.IsHeld());
    claim.Release();
    victim.ExpectUntouched();
}

INSTANTIATE_TEST_SUITE_P(
    ClaimObjects, PlantedClaimTest,
    ::testing::Combine(::testing::Values(ClaimCase{"VLMSHARE_MUTEX", "USB001", 0x20070001},
                                         ClaimCase{"VLMSHARE_MUTEX", "VLNETP_printer", 0x20070001},
                                         ClaimCase{ClaimMutexName("USB001"), "USB001", 0x20070003},
                                         ClaimCase{ClaimMutexName("VLNETP_printer"), "VLNETP_printer",
                                                   0x20070003},
                                         ClaimCase{"objectfilename_vlmshare", "USB001", 0x2007000C}),
                       ::testing::ValuesIn(kEveryPlant)),
    [](const auto& info) {
        const ClaimCase& claim_case = std::get<0>(info.param);
        return TestNameOf(claim_case.object.substr(0, 20) + "_" + claim_case.port, std::get<1>(info.param));
    });

// A port-claim table file of the wrong size, left by someone before the claim.
class PlantedTableTest : public testing::TransportFolders, public ::testing::WithParamInterface<size_t> {
  protected:
    void SetUp() override {
        TransportFolders::SetUp();
        std::ofstream(NamedObject::PathFor(kPortClaimTableName), std::ios::binary)
            << std::string(GetParam(), '\xff');
    }
    std::string TableBytes() const {
        std::ifstream file(NamedObject::PathFor(kPortClaimTableName), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
};

TEST_P(PlantedTableTest, SoleHolderStartsTheTableAfresh) {
    PortClaim claim;
    ASSERT_EQ(claim.Claim("USB001"), transport_code::kSuccess);
    std::string expected(156, '\0');
    expected[12] = 0x02;  // word 3, bit 1: USB001
    EXPECT_EQ(TableBytes(), expected);
}

TEST_P(PlantedTableTest, TableHeldByAnotherFailsTheClaim) {
    // Another holder keeps the table as it is; a table of another size is never mapped.
    const int other = ::open(NamedObject::PathFor(kPortClaimTableName).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_SH), 0);
    PortClaim claim;
    EXPECT_EQ(claim.Claim("USB001"), 0x2007000Cu);
    EXPECT_FALSE(claim.IsHeld());
    EXPECT_EQ(TableBytes(), std::string(GetParam(), '\xff'));
    ::close(other);
    EXPECT_EQ(claim.Claim("USB001"), transport_code::kSuccess);  // and the port is free again
}

INSTANTIATE_TEST_SUITE_P(WrongSizes, PlantedTableTest, ::testing::Values(0, 1, 155, 157, 65536),
                         [](const auto& info) { return "Bytes" + std::to_string(info.param); });

// Whatever stands in the device folder under a port's node name must be a character device.
class UsbNodeTest : public testing::TransportFolders {
  protected:
    uint32_t ProbeUsb001() {
        const TransportHooks hooks = testing::HooksFor(testing::kWindowsXp, &pauses_);
        UsbPort port("USB001", hooks);
        return port.Probe();
    }
    std::filesystem::path Node() const { return root_ / "usb" / "lp0"; }
};

TEST_F(UsbNodeTest, RegularFileIsNoDevice) {
    std::ofstream(Node()) << "not a printer";
    EXPECT_EQ(ProbeUsb001(), 0x2007000Fu);
}

TEST_F(UsbNodeTest, FolderIsNoDevice) {
    std::filesystem::create_directory(Node());
    EXPECT_EQ(ProbeUsb001(), 0x2007000Fu);
}

TEST_F(UsbNodeTest, FifoIsNoDevice) {
    ASSERT_EQ(::mkfifo(Node().c_str(), 0666), 0);
    EXPECT_EQ(ProbeUsb001(), 0x2007000Fu);
}

TEST_F(UsbNodeTest, LinkToAPseudoTerminalIsADevice) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    ASSERT_EQ(::symlink(::ptsname(master), Node().c_str()), 0);
    EXPECT_EQ(ProbeUsb001(), transport_code::kSuccess);
    ::close(master);
}

}  // namespace
}  // namespace orvane
