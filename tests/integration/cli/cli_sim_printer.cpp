#include "cli_sim_printer.h"

#include <gtest/gtest.h>

#include "private_folders.h"

namespace clitest {
namespace {

using orvane::testing_support::TemporaryFolder;

// The claim folders of the transport and the user's data folder (backups), private to this test
// program and inherited by every run.
[[maybe_unused]] const auto* const kPrivateFolders =
    ::testing::AddGlobalTestEnvironment(new orvane::testsupport::PrivateFolders);

std::vector<std::string> Arguments(std::vector<std::string> faults, const std::string& profile, int usb_index,
                                   const std::string& usb_dir) {
    std::vector<std::string> arguments = {"--usb",       usb_dir.empty() ? "@DIR@" : usb_dir,
                                          "--usb-index", std::to_string(usb_index),
                                          "--tcp",       "127.0.0.1:0",
                                          "--profile",   profile,
                                          "--state",     "@DIR@/state"};
    arguments.insert(arguments.end(), faults.begin(), faults.end());
    return arguments;
}

}  // namespace

SimPrinter::SimPrinter(std::vector<std::string> faults, const std::string& profile, int usb_index,
                       std::string usb_dir)
    : sim_(Arguments(std::move(faults), profile, usb_index, usb_dir)),
      usb_index_(usb_index),
      usb_dir_(std::move(usb_dir)) {}

std::string SimPrinter::Port(Link link) const {
    return link == Link::Usb ? "USB00" + std::to_string(usb_index_ + 1) : "VLNETP_" + sim_.Ready("tcp");
}

CliRun SimPrinter::Run(const std::vector<std::string>& arguments, const Environment& environment,
                       const std::string& input) const {
    Environment all = {{"ORVANE_USB_DEVICE_DIR", dir()}};
    all.insert(all.end(), environment.begin(), environment.end());
    return RunCli(arguments, all, input);
}

std::string SimPrinter::SaveRead(const TemporaryFolder& folder, Link link) const {
    const std::string file = (folder / "a.rsd").string();
    const CliRun run = Run({"read", "--port", Port(link), "--out", file, "--product-id", "0x1234"});
    EXPECT_EQ(run.status, 0) << run.err;
    return file;
}

void EditSavedFile(const std::filesystem::path& path, std::string_view name, std::string_view number) {
    using namespace orvane;
    std::string plain;
    ASSERT_EQ(ReadDirectoryFileBytes(path, &plain), rs::kSuccess);
    CRSUFuncRemoteSetup setup;
    ASSERT_EQ(SetUpFromDirectoryBytes(plain, setup), rs::kSuccess);
    DialEntry& entry = setup.Copy(DirectoryCopy::Working)->entries[1];
    ASSERT_EQ(FieldText(entry.slot_id), "01");
    StoreText(entry.name, name);
    StoreText(entry.number, number);
    ASSERT_EQ(setup.SaveDirectoryFile(path, 0x1234), rs::kSuccess);
}

std::string SimPrinter::State() const {
    return orvane::testing_support::ReadBytes(sim_.dir() + "/state");  // the run's own folder
}

}  // namespace clitest
