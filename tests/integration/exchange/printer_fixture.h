#pragma once

// Runs the virtual printer for exchange tests and hands out remote-setup objects pointed at it over
// the device node ("USB001") or the network port library ("VLNETP_127.0.0.1:<port>").

#include "remotesetup/remote_setup.h"
#include "sim_client.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace exchangetest {

// The two ways to the printer.
enum class Link { Usb, Tcp };

// "usb" or "tcp", for test names.
std::string LinkName(Link link);
// Prints the link's name in test descriptions.
void PrintTo(Link link, std::ostream* out);

// One orvane-printer-sim with a state file, reachable over both links.
class Printer {
  public:
    // Starts the printer with `profile` and the extra options (faults).
    explicit Printer(const std::string& profile, std::vector<std::string> options = {});

    // The port name of `link`.
    std::string PortName(Link link) const;
    // A remote-setup object with a printer name and the port of `link`.
    std::unique_ptr<orvane::CRSUFuncRemoteSetup> Connect(Link link) const;
    // The same, with the response limit measured on the printer's time: a clock that moves only by
    // the transport's pauses, and past the whole limit in the first pause after the printer has
    // logged a request it leaves unanswered. A step so waits for a printer that answers, however slow
    // the machine, and gives up on a silent one. The printer must outlive the object.
    std::unique_ptr<orvane::CRSUFuncRemoteSetup> ConnectOnPrinterTime(Link link) const;
    // The state file as it is now (the printer's directory).
    std::string State() const;
    // How many requests named `operation` the printer has logged.
    int Count(const std::string& operation) const;
    // The operation log.
    std::string Log() const { return sim_.Log(); }

  private:
    // Gives `setup` the printer name and the port of `link`.
    void Name(orvane::CRSUFuncRemoteSetup& setup, Link link) const;
    // How many lines of the log `matches`.
    int CountLines(const std::function<bool(const std::string& line)>& matches) const;

    simtest::SimProcess sim_;
};

// The printer's directory as one text per record: sender, every dial entry, every reject entry.
std::vector<std::string> Records(const orvane::CRSUFuncRemoteSetup& setup,
                                 orvane::DirectoryCopy copy = orvane::DirectoryCopy::Working);

}  // namespace exchangetest
