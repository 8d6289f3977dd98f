// End-to-end timing of the device exchange against the virtual printer, over the device node and over
// TCP. Each line shows the time per operation beside the floor that the protocol's own pauses impose,
// so the ratio shows what the code adds. The floor is made of the pauses the transport really took,
// counted by kind: 10 ms before each read, 100 ms before a device close (device node) or after a
// network open (TCP), and any other pause (a busy printer's) by its length.
//
// Usage: exchange_bench [runs] [profile]   (defaults: 5 runs, profile "large")
#include "remotesetup/remote_setup.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "isolated_folders.h"
#include "printer_process.h"

namespace {

using Clock = std::chrono::steady_clock;
using orvane::CRSUFuncRemoteSetup;
using orvane::DirectoryCopy;

// A running virtual printer in its own folder, with the claim folders the transport uses.
class VirtualPrinter {
  public:
    explicit VirtualPrinter(const std::string& profile)
        : process_(
              {"--usb", "@DIR@", "--tcp", "127.0.0.1:0", "--profile", profile, "--state", "@DIR@/state"}) {
        // The claims make both folders, each with the mode its scope asks for.
        orvane::testsupport::PointObjectFolders(process_.dir());
        ::setenv("ORVANE_USB_DEVICE_DIR", process_.dir().c_str(), 1);
    }

    // The "tcp" address of the ready file; empty when the printer did not get ready.
    std::string TcpAddress() const { return process_.Ready("tcp"); }

  private:
    orvane::testsupport::PrinterProcess process_;
};

constexpr uint32_t kReadPauseMs = 10;   // before each read
constexpr uint32_t kLinkPauseMs = 100;  // before a device close, after a network open

// The pauses the transport took, counted by kind.
struct Pauses {
    int reads = 0;
    int link = 0;  // device closes or network opens
    std::chrono::milliseconds other{};

    void Count(uint32_t ms) {
        if (ms == kReadPauseMs) {
            ++reads;
        } else if (ms == kLinkPauseMs) {
            ++link;
        } else {
            other += std::chrono::milliseconds(ms);
        }
    }
    std::chrono::milliseconds Total() const {
        return std::chrono::milliseconds(reads * kReadPauseMs + link * kLinkPauseMs) + other;
    }
};

// Time spent in one kind of operation, and the pauses it took.
struct Timing {
    Clock::duration elapsed{};
    Pauses pauses;
    int failures = 0;
};

// A remote-setup object whose port really sleeps and counts every pause in `*pauses`.
std::unique_ptr<CRSUFuncRemoteSetup> Connect(const std::string& port, Pauses* pauses) {
    orvane::TransportHooks hooks;
    hooks.sleep = [pauses](uint32_t ms) {
        pauses->Count(ms);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    };
    auto setup = std::make_unique<CRSUFuncRemoteSetup>(std::move(hooks));
    setup->SetPrinterName("Velor FX-1");
    setup->SetPortName(port.c_str());
    return setup;
}

// Runs `operation` and adds its time; a non-zero result counts as a failure.
template <typename Operation>
void Measure(Timing& timing, Operation operation) {
    const Clock::time_point start = Clock::now();
    if (operation() != orvane::rs::kSuccess) ++timing.failures;
    timing.elapsed += Clock::now() - start;
}

Timing TimeReads(const std::string& port, int runs) {
    Timing timing;
    for (int run = 0; run < runs; ++run) {
        auto setup = Connect(port, &timing.pauses);
        Measure(timing, [&] { return setup->ReadFromDevice(); });
    }
    return timing;
}

// Check and write of an edited sender number, inside one job, `runs` times on one object.
Timing TimeWrites(const std::string& port, int runs) {
    Timing timing;
    auto setup = Connect(port, &timing.pauses);
    if (setup->ReadFromDevice() != orvane::rs::kSuccess) return {{}, {}, runs};
    timing.pauses = {};  // only the checks and writes count
    for (int run = 0; run < runs; ++run) {
        orvane::StoreText(setup->Copy(DirectoryCopy::Working)->sender.number, std::to_string(run));
        Measure(timing, [&] {
            const orvane::RsResult checked = setup->CheckDeviceUnchanged();
            return checked == orvane::rs::kSuccess ? setup->WriteToDevice() : checked;
        });
        setup->ReplaceCopy(DirectoryCopy::Baseline, DirectoryCopy::Working);
    }
    return timing;
}

// One line per operation; `link_pauses` names what the 100 ms pauses of this link stand for.
void Report(const char* link, const char* link_pauses, const char* operation, const Timing& timing,
            int runs) {
    const double each = std::chrono::duration<double, std::milli>(timing.elapsed).count() / runs;
    const double floor = static_cast<double>(timing.pauses.Total().count()) / runs;
    std::printf("%-4s %-12s %8.1f ms per operation, floor %7.1f ms, ratio %5.2f, %5.1f reads, %5.1f %s", link,
                operation, each, floor, floor > 0 ? each / floor : 0.0,
                static_cast<double>(timing.pauses.reads) / runs,
                static_cast<double>(timing.pauses.link) / runs, link_pauses);
    if (timing.pauses.other.count() > 0) {
        std::printf(", %.1f ms other pauses", static_cast<double>(timing.pauses.other.count()) / runs);
    }
    std::printf(", failures %d\n", timing.failures);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::string profile = argc > 2 ? argv[2] : "large";
    VirtualPrinter printer(profile);
    const std::string tcp = printer.TcpAddress();
    if (tcp.empty()) {
        std::fprintf(stderr, "exchange_bench: the virtual printer did not get ready\n");
        return 1;
    }
    std::printf("profile %s, %d runs each\n", profile.c_str(), runs);
    struct Path {
        const char* link;
        const char* link_pauses;
        std::string port;
    };
    for (const Path& path : {Path{"usb", "closes", "USB001"}, Path{"tcp", "opens", "VLNETP_" + tcp}}) {
        Report(path.link, path.link_pauses, "read", TimeReads(path.port, runs), runs);
        Report(path.link, path.link_pauses, "check+write", TimeWrites(path.port, runs), runs);
    }
    return 0;
}
