// write and restore on several printers at once: two on device nodes, two over TCP.
#include "cli_sim_printer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace clitest {
namespace {

using namespace orvane;
using namespace orvane::testing_support;

// Each printer waits 200 ms before every answer, so that an exchange takes long enough to see
// whether the four run side by side.
const std::vector<std::string> kSlow = {"--delay", "200"};

class ManyPrinters : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<std::string> failing = kSlow;
        failing.insert(failing.end(), {"--busy-jobs", "1000"});  // never takes a job
        printers_.push_back(std::make_unique<SimPrinter>(kSlow, "small", 0, usb_.path().string()));
        printers_.push_back(std::make_unique<SimPrinter>(failing, "small", 1, usb_.path().string()));
        printers_.push_back(std::make_unique<SimPrinter>(kSlow));
        printers_.push_back(std::make_unique<SimPrinter>(kSlow));
        const std::string lines =
            "Fax 1\tVelor MX100 series\tUSB001\n"
            "Fax 2\tVelor MX100 series\tUSB002\n"
            "Fax 3\tVelor MX100 series\t" +
            printers_[2]->Port(Link::Tcp) +
            "\n"
            "Fax 4\tVelor MX100 series\t" +
            printers_[3]->Port(Link::Tcp) +
            "\n"
            "Front Desk\tVelor FX200\tUSB009\n";
        WriteBytes(folder_ / "printers", lines);
        WriteBytes(folder_ / "d.json",
                   R"({"slots": [{"id": "01", "kind": "individual", "name": "Cy", "number": "34"}]})");
    }

    CliRun Run(const std::vector<std::string>& arguments) const {
        return printers_[0]->Run(arguments, {{"ORVANE_PRINTERS", (folder_ / "printers").string()}});
    }

    TemporaryFolder usb_;
    TemporaryFolder folder_;
    std::vector<std::unique_ptr<SimPrinter>> printers_;
};

TEST_F(ManyPrinters, AllOfAModelAreWrittenAtOnceAndTheFailingOneHasItsRow) {
    const auto start = std::chrono::steady_clock::now();
    const CliRun run = Run({"write", "--all-of-model", "Velor MX100 series", (folder_ / "d.json").string()});
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(run.status, 1) << run.err;
    // Printed, never asserted: with four printers side by side the whole run takes about as long as
    // the slowest of them, not the sum.
    std::printf("four printers written in %.1f s:\n%s", seconds, run.out.c_str());
    EXPECT_TRUE(run.out.starts_with("Printer  Port")) << run.out;
    for (const char* row : {"Fax 1", "Fax 3", "Fax 4"}) {
        const std::size_t at = run.out.find(std::string("\n") + row + " ");
        ASSERT_NE(at, std::string::npos) << row << "\n" << run.out;
        EXPECT_NE(run.out.substr(at, run.out.find('\n', at + 1) - at).find("  written"), std::string::npos)
            << run.out;
    }
    EXPECT_NE(run.out.find("failed: reading the printer \"Fax 2\" on USB002: "), std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("Front Desk"), std::string::npos);
    for (std::size_t i : {0u, 2u, 3u}) {
        EXPECT_NE(printers_[i]->State().find("dial 01 individual \"Cy\" \"34\""), std::string::npos) << i;
    }
    EXPECT_EQ(printers_[1]->State().find("\"Cy\""), std::string::npos);
}

TEST_F(ManyPrinters, SeveralPrinterOptionsAndAnUnknownName) {
    const CliRun run = Run({"write", "--printer", "Fax 3", "--printer", "Nobody", "--printer", "Fax 1",
                            (folder_ / "d.json").string()});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.out.find("Nobody"), std::string::npos);
    EXPECT_NE(run.out.find("failed: no printer named \"Nobody\" is installed"), std::string::npos) << run.out;
    EXPECT_NE(printers_[0]->State().find("\"Cy\" \"34\""), std::string::npos);
    EXPECT_NE(printers_[2]->State().find("\"Cy\" \"34\""), std::string::npos);
    EXPECT_EQ(printers_[3]->State().find("\"Cy\""), std::string::npos);
}

TEST_F(ManyPrinters, AModelWithoutPrintersIsAFailure) {
    const CliRun run = Run({"restore", (folder_ / "d.json").string(), "--all-of-model", "Velor MX900"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "orvane-cli: no installed printer is a \"Velor MX900\"\n");
}

}  // namespace
}  // namespace clitest
