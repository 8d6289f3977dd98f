// Port claims between real processes: a forked child holds a claim until told to release it or
// until it is killed.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <array>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "transport/internal/port_claim.h"
#include "transport/transport_codes.h"
#include "transport_test_env.h"

namespace orvane {
namespace {

// A child process that claims one port, reports the code, and releases on request.
class ClaimingChild {
  public:
    explicit ClaimingChild(const std::string& port_name) {
        int to_child[2];
        int from_child[2];
        if (::pipe(to_child) != 0 || ::pipe(from_child) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(to_child[1]);
            ::close(from_child[0]);
            RunChild(port_name, to_child[0], from_child[1]);
        }
        ::close(to_child[0]);
        ::close(from_child[1]);
        command_ = to_child[1];
        reply_ = from_child[0];
    }
    ~ClaimingChild() {
        if (command_ >= 0) ::close(command_);
        if (reply_ >= 0) ::close(reply_);
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    }

    // The code of the child's claim.
    uint32_t ClaimCode() { return ReadCode(); }

    // Asks the child to release and waits until it has.
    void Release() {
        const char command = 'r';
        ASSERT_EQ(::write(command_, &command, 1), 1);
        EXPECT_EQ(ReadCode(), 0u);
    }

    void Kill() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

  private:
    [[noreturn]] static void RunChild(const std::string& port_name, int commands, int replies) {
        PortClaim claim;
        uint32_t code = claim.Claim(port_name);
        (void)!::write(replies, &code, sizeof(code));
        char command = 0;
        while (::read(commands, &command, 1) == 1) {
            claim.Release();
            code = 0;
            (void)!::write(replies, &code, sizeof(code));
        }
        std::_Exit(0);
    }

    uint32_t ReadCode() {
        uint32_t code = 0xFFFFFFFF;
        EXPECT_EQ(::read(reply_, &code, sizeof(code)), static_cast<ssize_t>(sizeof(code)));
        return code;
    }

    pid_t pid_ = -1;
    int command_ = -1;
    int reply_ = -1;
};

class ClaimProcessTest : public testing::TransportFolders {
  protected:
    std::array<uint8_t, kPortClaimTableSize> TableBytes() {
        std::array<uint8_t, kPortClaimTableSize> bytes{};
        std::ifstream file(root_ / "session" / std::string(kPortClaimTableName), std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(content.size(), kPortClaimTableSize);
        std::copy_n(content.begin(), std::min(content.size(), bytes.size()), bytes.begin());
        return bytes;
    }
};

TEST_F(ClaimProcessTest, SecondProcessWaitsForRelease) {
    ClaimingChild first("USB001");
    ASSERT_EQ(first.ClaimCode(), transport_code::kSuccess);
    {
        ClaimingChild second("USB001");
        EXPECT_EQ(second.ClaimCode(), transport_code::kPortInUse);
    }
    PortClaim mine;
    EXPECT_EQ(mine.Claim("USB001"), transport_code::kPortInUse);
    first.Release();
    EXPECT_EQ(mine.Claim("USB001"), transport_code::kSuccess);
    ClaimingChild third("USB001");
    EXPECT_EQ(third.ClaimCode(), transport_code::kPortInUse);
}

TEST_F(ClaimProcessTest, NetworkPortsAreClaimedWithoutTheTable) {
    ClaimingChild first("VLNETP_printer");
    ASSERT_EQ(first.ClaimCode(), transport_code::kSuccess);
    PortClaim mine;
    EXPECT_EQ(mine.Claim("VLNETP_printer"), transport_code::kPortInUse);
    EXPECT_EQ(mine.Claim("VLNETP_other"), transport_code::kSuccess);
    EXPECT_FALSE(std::filesystem::exists(root_ / "session" / std::string(kPortClaimTableName)));
}

TEST_F(ClaimProcessTest, TableHoldsExactlyTheClaimantsBit) {
    ClaimingChild first("USB033");  // word 4, bit 1
    ASSERT_EQ(first.ClaimCode(), transport_code::kSuccess);
    std::array<uint8_t, kPortClaimTableSize> expected{};
    expected[4 * 4] = 0x02;
    EXPECT_EQ(TableBytes(), expected);
    first.Release();
    EXPECT_EQ(TableBytes(), (std::array<uint8_t, kPortClaimTableSize>{}));
}

TEST_F(ClaimProcessTest, KilledHolderLeavesThePortClaimable) {
    ClaimingChild holder("USB001");
    ASSERT_EQ(holder.ClaimCode(), transport_code::kSuccess);
    holder.Kill();
    PortClaim mine;
    EXPECT_EQ(mine.Claim("USB001"), transport_code::kSuccess);
    std::array<uint8_t, kPortClaimTableSize> expected{};
    expected[3 * 4] = 0x02;
    EXPECT_EQ(TableBytes(), expected);
}

TEST_F(ClaimProcessTest, KilledHoldersBitIsNotKeptByOtherHolders) {
    ClaimingChild killed("USB001");
    ASSERT_EQ(killed.ClaimCode(), transport_code::kSuccess);
    ClaimingChild survivor("USB002");  // keeps the table alive while the first holder dies
    ASSERT_EQ(survivor.ClaimCode(), transport_code::kSuccess);
    killed.Kill();
    PortClaim mine;
    EXPECT_EQ(mine.Claim("USB001"), transport_code::kSuccess);
    mine.Release();
    std::array<uint8_t, kPortClaimTableSize> expected{};
    expected[3 * 4] = 0x04;  // only the survivor's USB002
    EXPECT_EQ(TableBytes(), expected);
    survivor.Release();
}

TEST_F(ClaimProcessTest, NewTableStartsZeroedWhenNobodyHoldsIt) {
    {
        std::ofstream stale(root_ / "session" / std::string(kPortClaimTableName), std::ios::binary);
        stale << std::string(kPortClaimTableSize, '\xff');
    }
    PortClaim mine;
    ASSERT_EQ(mine.Claim("USB000"), transport_code::kSuccess);
    std::array<uint8_t, kPortClaimTableSize> expected{};
    expected[3 * 4] = 0x01;
    EXPECT_EQ(TableBytes(), expected);
}

}  // namespace
}  // namespace orvane
