// Read, edit, check, write and read back against the virtual printer, for every profile over both links.
#include "printer_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace exchangetest {
namespace {

using orvane::CRSUFuncRemoteSetup;
using orvane::DirectoryCopy;
using orvane::EntryKind;
namespace rs = orvane::rs;

// Edits Working the way a user would: a new number for the first individual entry, the sender and
// the first reject slot. The texts are short enough for every profile.
void EditWorking(CRSUFuncRemoteSetup& setup) {
    orvane::DirectoryData* working = setup.Copy(DirectoryCopy::Working);
    ASSERT_NE(working, nullptr);
    auto individual =
        std::find_if(working->entries.begin(), working->entries.end(),
                     [](const orvane::DialEntry& e) { return e.kind == EntryKind::Individual; });
    ASSERT_NE(individual, working->entries.end());
    ASSERT_TRUE(orvane::StoreText(individual->number, "42"));
    ASSERT_TRUE(orvane::StoreText(working->sender.number, "77"));
    ASSERT_FALSE(working->rejects.empty());
    ASSERT_TRUE(orvane::StoreText(working->rejects.front().number, "31"));
}

class RoundTrip : public ::testing::TestWithParam<std::tuple<std::string, Link>> {};

TEST_P(RoundTrip, WrittenDirectoryReadsBackAndReachesThePrinter) {
    const auto& [profile, link] = GetParam();
    Printer printer(profile);
    auto setup = printer.Connect(link);

    ASSERT_EQ(setup->ReadFromDevice(), rs::kSuccess);
    EXPECT_FALSE(setup->IsPortOpen());
    EXPECT_FALSE(setup->HasJob());
    EXPECT_EQ(setup->IsModified(), rs::kSuccess);
    ASSERT_EQ(setup->DialSlotCount(), static_cast<int>(setup->Copy(DirectoryCopy::Working)->entries.size()));
    EditWorking(*setup);
    ASSERT_EQ(setup->IsModified(), rs::kModified);
    const std::string state_before_write = printer.State();

    const int start_jobs = printer.Count("StartJob");
    const int end_jobs = printer.Count("EndJob");
    ASSERT_EQ(setup->CheckDeviceUnchanged(), rs::kSuccess);
    EXPECT_TRUE(setup->IsPortOpen());
    EXPECT_TRUE(setup->HasJob());
    EXPECT_EQ(setup->Copy(DirectoryCopy::DeviceCheck), nullptr);
    EXPECT_EQ(printer.State(), state_before_write);
    ASSERT_EQ(setup->WriteToDevice(), rs::kSuccess);
    EXPECT_FALSE(setup->IsPortOpen());
    EXPECT_FALSE(setup->HasJob());
    // The check and the write share one job.
    EXPECT_EQ(printer.Count("StartJob"), start_jobs + 1);
    EXPECT_EQ(printer.Count("EndJob"), end_jobs + 1);
    EXPECT_EQ(printer.Count("SendData"), 1);
    EXPECT_EQ(setup->ReplaceCopy(DirectoryCopy::Baseline, DirectoryCopy::Working), rs::kSuccess);

    const std::string state = printer.State();
    EXPECT_NE(state.find("\"42\""), std::string::npos) << state;
    EXPECT_NE(state.find("sender "), std::string::npos) << state;
    EXPECT_NE(state.find("\"77\""), std::string::npos) << state;
    EXPECT_NE(state.find("reject 01 \"31\""), std::string::npos) << state;

    auto reread = printer.Connect(link);
    ASSERT_EQ(reread->ReadFromDevice(), rs::kSuccess);
    EXPECT_EQ(Records(*reread), Records(*setup));
    EXPECT_EQ(Records(*reread, DirectoryCopy::Baseline), Records(*setup));
}

TEST_P(RoundTrip, UnchangedDirectoryFinishesTheJobWithoutWriting) {
    const auto& [profile, link] = GetParam();
    Printer printer(profile);
    auto setup = printer.Connect(link);
    ASSERT_EQ(setup->ReadFromDevice(), rs::kSuccess);
    const std::string state = printer.State();

    ASSERT_EQ(setup->CheckDeviceUnchanged(), rs::kSuccess);
    ASSERT_EQ(setup->IsModified(), rs::kSuccess);
    EXPECT_EQ(setup->FinishDeviceJob(), rs::kSuccess);
    EXPECT_FALSE(setup->IsPortOpen());
    EXPECT_FALSE(setup->HasJob());
    EXPECT_EQ(printer.Count("StartJob"), 2);
    EXPECT_EQ(printer.Count("EndJob"), 2);
    EXPECT_EQ(printer.Count("SendData"), 0);
    EXPECT_EQ(printer.State(), state);
}

std::string CaseName(const ::testing::TestParamInfo<RoundTrip::ParamType>& info) {
    return std::get<0>(info.param) + "_" + LinkName(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(Profiles, RoundTrip,
                         ::testing::Combine(::testing::Values("small", "typical", "large"),
                                            ::testing::Values(Link::Usb, Link::Tcp)),
                         CaseName);

}  // namespace
}  // namespace exchangetest
