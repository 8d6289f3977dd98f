// The virtual printer as the orvane-cli tests use it: one orvane-printer-sim with a state file on a
// device node and TCP, and orvane-cli runs that reach it.
#pragma once

#include "cli_process.h"
#include "directory_file_fixtures.h"
#include "sim_client.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace clitest {

enum class Link { Usb, Tcp };

using Environment = std::vector<std::pair<std::string, std::string>>;

// A printer with a profile ("small" by default: the reference example), a state file and `faults`;
// its device node lp<usb_index> is in `usb_dir`, or in its own folder when that is empty.
class SimPrinter {
  public:
    explicit SimPrinter(std::vector<std::string> faults = {}, const std::string& profile = "small",
                        int usb_index = 0, std::string usb_dir = {});

    // "USB00<n>" for the device node, "VLNETP_127.0.0.1:<port>" for TCP.
    std::string Port(Link link) const;
    // Runs orvane-cli with the printer's device folder (and `environment`) in its environment.
    CliRun Run(const std::vector<std::string>& arguments, const Environment& environment = {},
               const std::string& input = {}) const;
    // Reads the printer over `link` into "a.rsd" of `folder` (product 0x1234) and returns its path.
    std::string SaveRead(const orvane::testing_support::TemporaryFolder& folder, Link link = Link::Usb) const;
    // The device folder.
    const std::string& dir() const { return usb_dir_.empty() ? sim_.dir() : usb_dir_; }
    std::string State() const;
    std::string Log() const { return sim_.Log(); }

  private:
    simtest::SimProcess sim_;
    int usb_index_;
    std::string usb_dir_;
};

// Saves over `path` the directory file at `path` with entry "01" renamed and renumbered.
void EditSavedFile(const std::filesystem::path& path, std::string_view name, std::string_view number);

}  // namespace clitest
