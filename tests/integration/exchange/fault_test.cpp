// Every fault of the virtual printer ends in its result code, and the printer's directory survives.
#include "printer_fixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace exchangetest {
namespace {

using orvane::DirectoryCopy;
namespace rs = orvane::rs;

// The small profile's sample directory as Records() lists it.
const std::vector<std::string> kSmallDirectory = {
    "sender Al|5", "dial *00 0 |", "dial 01 1 Bo|12", "dial 02 2 G| 01", "reject 01|99",
};

// A fault the exchange rides out: the read, the check and the write all succeed.
struct TolerableFault {
    std::string name;
    std::vector<std::string> options;
    Link link;
};

void PrintTo(const TolerableFault& fault, std::ostream* out) {
    *out << fault.name;
}

class TolerableFaults : public ::testing::TestWithParam<TolerableFault> {};

TEST_P(TolerableFaults, ReadCheckAndWriteSucceed) {
    Printer printer("small", GetParam().options);
    const std::string state = printer.State();
    auto setup = printer.Connect(GetParam().link);

    ASSERT_EQ(setup->ReadFromDevice(), rs::kSuccess);
    EXPECT_EQ(Records(*setup), kSmallDirectory);
    ASSERT_EQ(setup->CheckDeviceUnchanged(), rs::kSuccess);
    ASSERT_EQ(setup->WriteToDevice(), rs::kSuccess);
    EXPECT_EQ(printer.Count("SendData"), 1);
    // Writing the directory back as read leaves the printer's directory as it was.
    EXPECT_EQ(printer.State(), state);
}

INSTANTIATE_TEST_SUITE_P(
    Printer, TolerableFaults,
    ::testing::Values(TolerableFault{"StaleBytesUsb", {"--stale-bytes", "100@all"}, Link::Usb},
                      TolerableFault{"StaleBytesTcp", {"--stale-bytes", "100@all"}, Link::Tcp},
                      TolerableFault{"UnrelatedDocumentsUsb", {"--unrelated-doc", "all"}, Link::Usb},
                      TolerableFault{"UnrelatedDocumentsTcp", {"--unrelated-doc", "all"}, Link::Tcp},
                      TolerableFault{"SeparatePayloadUsb", {"--split-payload", "2"}, Link::Usb},
                      TolerableFault{"SeparatePayloadTcp", {"--split-payload", "2"}, Link::Tcp},
                      TolerableFault{"OtherPrefixUsb", {"--prefix", "cm"}, Link::Usb},
                      TolerableFault{"OtherPrefixTcp", {"--prefix", "cm"}, Link::Tcp},
                      TolerableFault{"Exact4096Usb", {"--pad-4096", "ReceiveData"}, Link::Usb},
                      TolerableFault{"Exact4096Tcp", {"--pad-4096", "all"}, Link::Tcp}),
    [](const auto& info) { return info.param.name; });

// A fault that ends the read with a result code.
struct FatalFault {
    std::string name;
    std::vector<std::string> options;
    Link link;
    orvane::RsResult expected;
    int end_jobs;  // EndJob requests the printer sees: one once StartJob succeeded
};

void PrintTo(const FatalFault& fault, std::ostream* out) {
    *out << fault.name;
}

class FatalFaults : public ::testing::TestWithParam<FatalFault> {};

TEST_P(FatalFaults, ReadEndsInItsCodeAndLeavesTheDirectory) {
    Printer printer("small", GetParam().options);
    const std::string state = printer.State();
    auto setup = printer.ConnectOnPrinterTime(GetParam().link);

    EXPECT_EQ(setup->ReadFromDevice(), GetParam().expected);
    EXPECT_FALSE(setup->IsPortOpen());
    EXPECT_FALSE(setup->HasJob());
    EXPECT_EQ(setup->Copy(DirectoryCopy::Baseline), nullptr);
    EXPECT_EQ(printer.Count("EndJob"), GetParam().end_jobs) << printer.Log();
    EXPECT_EQ(printer.Count("SendData"), 0);
    EXPECT_EQ(printer.State(), state);
}

INSTANTIATE_TEST_SUITE_P(
    Printer, FatalFaults,
    ::testing::Values(
        // A StartJobResponse where the payload belongs.
        FatalFault{"StrayDocumentUsb", {"--stray-start-job"}, Link::Usb, rs::kUnexpectedDocument, 1},
        FatalFault{"StrayDocumentTcp", {"--stray-start-job"}, Link::Tcp, rs::kUnexpectedDocument, 1},
        // "DeviceBusy" has no result code of its own.
        FatalFault{"DeviceBusyTcp", {"--busy-jobs", "1"}, Link::Tcp, rs::kProtocolFailure, 0},
        // The network library reads nothing and the limit passes; the device node's read times out.
        FatalFault{"SilenceTcp", {"--silent-after", "2"}, Link::Tcp, rs::kResponseTimeout, 1},
        FatalFault{"SilenceUsb", {"--silent-after", "2"}, Link::Usb, rs::kTransportFailure, 1},
        // Half the ReceiveData answer, cut before its operation name, then the link is gone: the next
        // read fails, and so does the EndJob write.
        FatalFault{"DisconnectUsb", {"--disconnect-at", "3"}, Link::Usb, rs::kTransportFailure, 0},
        FatalFault{"DisconnectTcp", {"--disconnect-at", "3"}, Link::Tcp, rs::kTransportFailure, 0},
        FatalFault{"NetworkBusyTcp", {"--status", "STA:11;"}, Link::Tcp, rs::kNetworkBusy, 0}),
    [](const auto& info) { return info.param.name; });

// Reads the small sample, then checks: the printer changed a name after the read.
TEST(PrinterChange, CheckReportsTheChangeAndAConfirmedWriteRestoresTheDirectory) {
    Printer printer("small", {"--edit-after-read", "1"});
    const std::string original = printer.State();
    auto setup = printer.Connect(Link::Usb);
    ASSERT_EQ(setup->ReadFromDevice(), rs::kSuccess);
    const std::string edited = printer.State();
    ASSERT_NE(edited, original);

    EXPECT_EQ(setup->CheckDeviceUnchanged(), rs::kDeviceDirectoryChanged);
    EXPECT_FALSE(setup->IsPortOpen());
    EXPECT_FALSE(setup->HasJob());
    EXPECT_EQ(printer.Count("EndJob"), 2);
    EXPECT_EQ(printer.State(), edited);

    // The user chose to overwrite: a new job from a closed port.
    EXPECT_EQ(setup->WriteToDevice(), rs::kSuccess);
    EXPECT_EQ(printer.Count("StartJob"), 3);
    EXPECT_EQ(printer.State(), original);
}

// One printer, two objects: the one that keeps its job open blocks the other.
class HeldJob : public ::testing::Test {
  protected:
    void SetUp() override {
        holder_ = printer_.Connect(Link::Usb);
        ASSERT_EQ(holder_->ReadFromDevice(), rs::kSuccess);
        ASSERT_EQ(holder_->CheckDeviceUnchanged(), rs::kSuccess);
        state_ = printer_.State();
    }
    void TearDown() override {
        EXPECT_EQ(holder_->FinishDeviceJob(), rs::kSuccess);
        EXPECT_EQ(printer_.State(), state_);
    }

    Printer printer_{"small"};
    std::unique_ptr<orvane::CRSUFuncRemoteSetup> holder_;
    std::string state_;
};

TEST_F(HeldJob, AnotherJobOverTheOtherLinkIsRefused) {
    auto other = printer_.Connect(Link::Tcp);
    EXPECT_EQ(other->ReadFromDevice(), rs::kDeviceUseOtherJob);
    EXPECT_FALSE(other->IsPortOpen());
    EXPECT_EQ(printer_.Count("EndJob"), 1);
}

TEST_F(HeldJob, TheSamePortIsClaimed) {
    auto other = printer_.Connect(Link::Usb);
    EXPECT_EQ(other->ReadFromDevice(), rs::kPortClaimed);
    EXPECT_EQ(printer_.Count("StartJob"), 2);
}

// Faults met while writing leave the printer's directory and the object's Baseline as they were.
class WriteFault : public ::testing::Test {
  protected:
    // Reads and edits the first number; the printer's state before the write is kept.
    void ReadAndEdit(const std::vector<std::string>& options, const char* number) {
        printer_ = std::make_unique<Printer>("small", options);
        setup_ = printer_->ConnectOnPrinterTime(Link::Tcp);
        ASSERT_EQ(setup_->ReadFromDevice(), rs::kSuccess);
        ASSERT_TRUE(orvane::StoreText(setup_->Copy(DirectoryCopy::Working)->entries[1].number, number));
        state_ = printer_->State();
    }
    void ExpectIntact() {
        EXPECT_FALSE(setup_->IsPortOpen());
        EXPECT_FALSE(setup_->HasJob());
        EXPECT_EQ(setup_->IsModified(), rs::kModified);
        EXPECT_EQ(printer_->State(), state_);
    }

    std::unique_ptr<Printer> printer_;
    std::unique_ptr<orvane::CRSUFuncRemoteSetup> setup_;
    std::string state_;
};

TEST_F(WriteFault, RefusedPayloadGivesDataError) {
    ReadAndEdit({}, "12A");
    ASSERT_EQ(setup_->CheckDeviceUnchanged(), rs::kSuccess);
    EXPECT_EQ(setup_->WriteToDevice(), rs::kDataError);
    EXPECT_EQ(printer_->Count("EndJob"), 2);
    ExpectIntact();
}

TEST_F(WriteFault, SilenceAfterTheCheckGivesTimeout) {
    // Four answers for the read, two for the check; SendData gets none.
    ReadAndEdit({"--silent-after", "6"}, "34");
    ASSERT_EQ(setup_->CheckDeviceUnchanged(), rs::kSuccess);
    EXPECT_EQ(setup_->WriteToDevice(), rs::kResponseTimeout);
    ExpectIntact();
}

// Without a printer name no operation talks to the printer.
class NoPrinterName : public ::testing::TestWithParam<Link> {};

TEST_P(NoPrinterName, EveryOperationGivesNoPrinter) {
    Printer printer("small");
    orvane::CRSUFuncRemoteSetup setup;
    ASSERT_EQ(setup.SetPortName(printer.PortName(GetParam()).c_str()), rs::kSuccess);
    EXPECT_EQ(setup.ReadFromDevice(), rs::kNoPrinter);
    EXPECT_FALSE(setup.IsPortOpen());
    EXPECT_EQ(setup.FinishDeviceJob(), rs::kNoPrinter);
    EXPECT_FALSE(setup.HasJob());
    EXPECT_EQ(setup.WriteToDevice(), rs::kNoPrinter);
    EXPECT_FALSE(setup.IsPortOpen());
    EXPECT_EQ(printer.Log(), "");
}

// A device node that is not there: the open fails before anything is sent.
TEST(MissingDevice, ReadGivesTransportFailure) {
    Printer printer("small");
    orvane::CRSUFuncRemoteSetup setup;
    ASSERT_EQ(setup.SetPrinterName("Velor FX-1"), rs::kSuccess);
    ASSERT_EQ(setup.SetPortName("USB002"), rs::kSuccess);
    EXPECT_EQ(setup.ReadFromDevice(), rs::kTransportFailure);
    EXPECT_FALSE(setup.IsPortOpen());
    EXPECT_EQ(setup.Copy(DirectoryCopy::Working), nullptr);
    EXPECT_EQ(printer.Log(), "");
}

INSTANTIATE_TEST_SUITE_P(Links, NoPrinterName, ::testing::Values(Link::Usb, Link::Tcp),
                         [](const auto& info) { return LinkName(info.param); });

}  // namespace
}  // namespace exchangetest
