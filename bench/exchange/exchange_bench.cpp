// End-to-end timing of the device exchange against the virtual printer, over the device node and over
// TCP. Each line shows the time per operation beside the floor that the protocol's own pauses impose
// (10 ms before each read, 100 ms before each device close), so the ratio shows what the code adds.
// The rest includes the printer's own gaps and, on TCP, the status check and first read of each open.
//
// Usage: exchange_bench [runs] [profile]   (defaults: 5 runs, profile "large")
#include "remotesetup/remote_setup.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using orvane::CRSUFuncRemoteSetup;
using orvane::DirectoryCopy;

// A running virtual printer in its own folder, with the claim folders the transport uses.
class VirtualPrinter {
  public:
    VirtualPrinter(const std::string& profile) {
        char pattern[] = "/tmp/orvane-bench-XXXXXX";
        dir_ = ::mkdtemp(pattern);
        // The claims make both folders, each with the mode its scope asks for.
        for (const char* variable : {"ORVANE_OBJECT_DIR", "ORVANE_SESSION_DIR"}) {
            ::setenv(variable, (dir_ + "/" + variable).c_str(), 1);
        }
        ::setenv("ORVANE_USB_DEVICE_DIR", dir_.c_str(), 1);
        std::vector<std::string> arguments = {ORVANE_PRINTER_SIM, "--usb",        dir_,           "--tcp",
                                              "127.0.0.1:0",      "--profile",    profile,        "--state",
                                              dir_ + "/state",    "--ready-file", dir_ + "/ready"};
        pid_ = ::fork();
        if (pid_ == 0) {
            std::vector<char*> argv;
            for (std::string& argument : arguments) argv.push_back(argument.data());
            argv.push_back(nullptr);
            std::freopen("/dev/null", "w", stdout);
            ::execv(argv[0], argv.data());
            std::_Exit(127);
        }
    }
    ~VirtualPrinter() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
        std::filesystem::remove_all(dir_);
    }

    // The "tcp" address of the ready file, once it is there; empty after 30 s.
    std::string WaitForTcpAddress() const {
        for (int tries = 0; tries < 1500; ++tries) {
            std::ifstream ready(dir_ + "/ready");
            for (std::string key, value; ready >> key >> value;) {
                if (key == "tcp") return value;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return {};
    }

  private:
    std::string dir_;
    pid_t pid_ = -1;
};

// Time spent in one kind of operation, and the part of it the protocol's pauses take.
struct Timing {
    Clock::duration elapsed{};
    std::chrono::milliseconds pauses{};
    int failures = 0;
};

// A remote-setup object whose port really sleeps and adds every pause to `*pauses`.
std::unique_ptr<CRSUFuncRemoteSetup> Connect(const std::string& port, std::chrono::milliseconds* pauses) {
    orvane::TransportHooks hooks;
    hooks.sleep = [pauses](uint32_t ms) {
        *pauses += std::chrono::milliseconds(ms);
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

void Report(const char* link, const char* operation, const Timing& timing, int runs) {
    const double each = std::chrono::duration<double, std::milli>(timing.elapsed).count() / runs;
    const double floor = static_cast<double>(timing.pauses.count()) / runs;
    std::printf("%-4s %-12s %8.1f ms per operation, floor %7.1f ms, ratio %5.2f, failures %d\n", link,
                operation, each, floor, floor > 0 ? each / floor : 0.0, timing.failures);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::string profile = argc > 2 ? argv[2] : "large";
    VirtualPrinter printer(profile);
    const std::string tcp = printer.WaitForTcpAddress();
    if (tcp.empty()) {
        std::fprintf(stderr, "exchange_bench: the virtual printer did not get ready\n");
        return 1;
    }
    std::printf("profile %s, %d runs each\n", profile.c_str(), runs);
    for (const auto& [link, port] : {std::pair<const char*, std::string>{"usb", "USB001"},
                                     std::pair<const char*, std::string>{"tcp", "VLNETP_" + tcp}}) {
        Report(link, "read", TimeReads(port, runs), runs);
        Report(link, "check+write", TimeWrites(port, runs), runs);
    }
    return 0;
}
