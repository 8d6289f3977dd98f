#include "printer_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

#include "private_folders.h"

namespace exchangetest {
namespace {

// Every test program gets its own claim folders, so parallel test processes never share a port claim.
[[maybe_unused]] const auto* const kPrivateFolders =
    ::testing::AddGlobalTestEnvironment(new orvane::testsupport::PrivateFolders);

std::vector<std::string> PrinterArguments(const std::string& profile, std::vector<std::string> options) {
    std::vector<std::string> arguments = {"--usb",     "@DIR@", "--tcp",   "127.0.0.1:0",
                                          "--profile", profile, "--state", "@DIR@/state"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return arguments;
}

std::string Text(std::span<const char> field) {
    return std::string(orvane::FieldText(field));
}

// The clock of ConnectOnPrinterTime, shared by the transport's sleep hook and the response clock.
struct PrinterTime {
    std::chrono::steady_clock::duration elapsed{};
    int silences = 0;  // unanswered requests the clock has already run out the limit for
};

}  // namespace

std::string LinkName(Link link) {
    return link == Link::Usb ? "usb" : "tcp";
}

void PrintTo(Link link, std::ostream* out) {
    *out << LinkName(link);
}

Printer::Printer(const std::string& profile, std::vector<std::string> options)
    : sim_(PrinterArguments(profile, std::move(options))) {
    // The device node lives in the printer's folder as lp0, which the transport calls USB001.
    ::setenv("ORVANE_USB_DEVICE_DIR", sim_.dir().c_str(), 1);
}

std::string Printer::PortName(Link link) const {
    return link == Link::Usb ? "USB001" : "VLNETP_" + sim_.Ready("tcp");
}

void Printer::Name(orvane::CRSUFuncRemoteSetup& setup, Link link) const {
    EXPECT_EQ(setup.SetPrinterName("Velor FX-1"), orvane::rs::kSuccess);
    EXPECT_EQ(setup.SetPortName(PortName(link).c_str()), orvane::rs::kSuccess);
}

std::unique_ptr<orvane::CRSUFuncRemoteSetup> Printer::Connect(Link link) const {
    auto setup = std::make_unique<orvane::CRSUFuncRemoteSetup>();
    Name(*setup, link);
    return setup;
}

std::unique_ptr<orvane::CRSUFuncRemoteSetup> Printer::ConnectOnPrinterTime(Link link) const {
    auto time = std::make_shared<PrinterTime>();
    orvane::TransportHooks hooks;
    hooks.sleep = [this, time](std::uint32_t milliseconds) {
        const int silences =
            CountLines([](const std::string& line) { return line.ends_with(" result=silent"); });
        if (silences > time->silences) {
            time->silences = silences;
            time->elapsed += orvane::kResponseLimit + std::chrono::milliseconds(1);
        } else {
            time->elapsed += std::chrono::milliseconds(milliseconds);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    };
    auto setup = std::make_unique<orvane::CRSUFuncRemoteSetup>(
        std::move(hooks), [time] { return std::chrono::steady_clock::time_point() + time->elapsed; });
    Name(*setup, link);
    return setup;
}

std::string Printer::State() const {
    std::ifstream file(sim_.dir() + "/state", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int Printer::Count(const std::string& operation) const {
    return sim_.Count(operation);
}

int Printer::CountLines(const std::function<bool(const std::string& line)>& matches) const {
    std::istringstream log(sim_.Log());
    int count = 0;
    for (std::string line; std::getline(log, line);) {
        if (matches(line)) ++count;
    }
    return count;
}

std::vector<std::string> Records(const orvane::CRSUFuncRemoteSetup& setup, orvane::DirectoryCopy copy) {
    const orvane::DirectoryData* data = setup.Copy(copy);
    if (data == nullptr) return {};
    std::vector<std::string> records = {"sender " + Text(data->sender.name) + "|" +
                                        Text(data->sender.number)};
    for (const orvane::DialEntry& entry : data->entries) {
        std::string record = "dial " + Text(entry.slot_id) + " " +
                             std::to_string(static_cast<int>(entry.kind)) + " " + Text(entry.name) + "|" +
                             Text(entry.number);
        for (std::size_t i = 0; i < entry.member_count && i < entry.members.size(); ++i) {
            record += " " + Text(entry.members[i]);
        }
        records.push_back(record);
    }
    for (const orvane::RejectEntry& reject : data->rejects) {
        records.push_back("reject " + Text(reject.slot_id) + "|" + Text(reject.number));
    }
    return records;
}

}  // namespace exchangetest
