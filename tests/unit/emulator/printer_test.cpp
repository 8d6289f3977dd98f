#include <gtest/gtest.h>

#include "emulator/payload_codec.h"
#include "emulator/printer.h"

namespace orvane::sim {
namespace {

const std::string kUri = "http://printer.test/ns/cmd/2008/07/common/";

// A request as the computer writes it; `job` "-" leaves the jobID out.
ReceivedRequest Make(const std::string& op, const std::string& job, const std::string& extra = "",
                     const std::string& service = "remotesetup") {
    std::string params = job == "-" ? "" : "<ivec:jobID>" + job + "</ivec:jobID>";
    const std::string doc = "<?xml version=\"1.0\" encoding=\"utf-8\" ?><cmd xmlns:ivec=\"" + kUri +
                            "\"><ivec:contents><ivec:operation>" + op +
                            "</ivec:operation><ivec:param_set servicetype=\"" + service + "\">" + params +
                            extra + "</ivec:param_set></ivec:contents></cmd>";
    ReceivedRequest r;
    r.request = ParseRequest(doc);
    return r;
}

class PrinterTest : public ::testing::Test {
  protected:
    PrinterTest() : printer_(Settings(), Shape(), log_) {}

    static PrinterSettings Settings() {
        PrinterSettings s;
        s.capability = *ProfileCapability("small");
        s.job_id_start = 4711;
        s.busy_jobs = 1;
        return s;
    }
    static Directory Shape() {
        const Widths w = Widths::From(*ProfileCapability("small"));
        Directory d = ShapeDirectory(w, SlotOrder::CodedFirst);
        FillSampleEntries(d, w, false);
        return d;
    }
    std::string Outcome(const ReceivedRequest& r) {
        const auto answer = printer_.Handle(r);
        if (!answer) return "none";
        const std::size_t at = answer->document.find("<ivec:response_detail>");
        if (at == std::string::npos) return "OK";
        const std::size_t from = at + 22;
        return answer->document.substr(from, answer->document.find('<', from) - from);
    }

    OperationLog log_;
    Printer printer_;
};

TEST_F(PrinterTest, AnswersOutOfOrderRequestsWithTheirDetail) {
    const std::string format = "<ivec:format>rsd1</ivec:format>";
    const std::pair<ReceivedRequest, const char*> steps[] = {
        {Make("ReceiveData", "00004711", format), "NotStart"},
        {Make("EndJob", "00004711"), "NotStart"},
        {Make("StartJob", "00000001"), "DeviceBusy"},
        {Make("StartJob", "00000001"), "OK"},
        {Make("StartJob", "00000001"), "DeviceUseOtherJob"},
        {Make("ReceiveData", "00000001", format), "IllegalJobID"},
        {Make("ReceiveData", "00004711", "<ivec:format>csv</ivec:format>"), "ParameterError"},
        {Make("ReceiveData", "00004711", format, "fax"), "NotSupportedService"},
        {Make("GetStatus", "-"), "NotSupportedOperation"},
        {Make("GetCapability", "-"), "OK"},
        {Make("SendData", "00004711", format + "<ivec:datasize>x</ivec:datasize>"), "ParameterError"},
        {Make("SendData", "00004711", format + "<ivec:datasize>98</ivec:datasize>"), "DataSizeOver"},
        {Make("SendData", "00004711", format + "<ivec:datasize>97</ivec:datasize>"), "DataError"},
        {Make("ReceiveData", "00004711", format), "OK"},
        {Make("EndJob", "00004711"), "OK"},
        {Make("EndJob", "00004711"), "NotStart"},
    };
    for (const auto& [request, expected] : steps) {
        EXPECT_EQ(Outcome(request), expected) << request.request.operation;
    }
}

TEST_F(PrinterTest, StoresTheSentDirectoryAndHandsOutFreshJobIds) {
    EXPECT_EQ(Outcome(Make("StartJob", "00000001")), "DeviceBusy");
    const auto started = printer_.Handle(Make("StartJob", "00000001"));
    ASSERT_TRUE(started);
    EXPECT_NE(started->document.find("<ivec:jobID>00004711</ivec:jobID>"), std::string::npos);

    Directory changed = printer_.CurrentDirectory();
    changed.dials[1].name = "Bob";
    changed.rejects[0] = "";
    const Widths w = Widths::From(*ProfileCapability("small"));
    ReceivedRequest send =
        Make("SendData", "00004711", "<ivec:format>rsd1</ivec:format><ivec:datasize>97</ivec:datasize>");
    send.payload = EncodePayload(changed, w);
    EXPECT_EQ(Outcome(send), "OK");
    EXPECT_EQ(printer_.CurrentDirectory(), changed);

    const auto read = printer_.Handle(Make("ReceiveData", "00004711", "<ivec:format>rsd1</ivec:format>"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->payload, send.payload);
    EXPECT_EQ(Outcome(Make("EndJob", "00004711")), "OK");
    const auto next = printer_.Handle(Make("StartJob", "00000001"));
    EXPECT_NE(next->document.find("<ivec:jobID>00004712</ivec:jobID>"), std::string::npos);
}

TEST_F(PrinterTest, IgnoresADocumentWithoutOperation) {
    ReceivedRequest r;
    r.request = ParseRequest("<?xml version=\"1.0\" ?><cmd/>");
    EXPECT_EQ(Outcome(r), "none");
}

}  // namespace
}  // namespace orvane::sim
