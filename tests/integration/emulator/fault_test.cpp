#include <gtest/gtest.h>

#include <filesystem>

#include "session_steps.h"

namespace simtest {
namespace {

std::string NextData(FrameClient& client, std::size_t* announced = nullptr) {
    char type = 0;
    std::string bytes;
    if (!client.Receive(type, bytes, 10000, announced) || type != 'D') return "<none>";
    return bytes;
}

class TcpFault : public ::testing::Test {
  protected:
    void Start(std::vector<std::string> faults) {
        faults.insert(faults.end(), {"--tcp", "127.0.0.1:0", "--profile", "small"});
        sim_ = std::make_unique<SimProcess>(faults);
        client_ = std::make_unique<FrameClient>(sim_->Ready("tcp"));
        ASSERT_TRUE(client_->connected());
    }
    std::string Receive(const std::string& job) {
        EXPECT_TRUE(client_->Send('D', Request("ReceiveData", JobParams(job))));
        return NextData(*client_);
    }

    std::unique_ptr<SimProcess> sim_;
    std::unique_ptr<FrameClient> client_;
};

TEST_F(TcpFault, SplitPayloadComesAfterStatusDocuments) {
    Start({"--split-payload", "2"});
    const std::string job = StartJob(*client_);
    const std::string answer = Receive(job);
    EXPECT_EQ(Element(answer, "operation"), "ReceiveDataResponse");
    EXPECT_EQ(answer.substr(answer.size() - 6), "</cmd>");
    EXPECT_EQ(Element(NextData(*client_), "operation"), "GetStatusResponse");
    EXPECT_EQ(Element(NextData(*client_), "operation"), "GetStatusResponse");
    EXPECT_EQ(NextData(*client_), kSmallPayload);
}

TEST_F(TcpFault, StartJobResponseArrivesWhereThePayloadBelongs) {
    Start({"--stray-start-job"});
    const std::string job = StartJob(*client_);
    EXPECT_EQ(Element(Receive(job), "operation"), "ReceiveDataResponse");
    EXPECT_EQ(Element(NextData(*client_), "operation"), "StartJobResponse");
    EXPECT_EQ(NextData(*client_), kSmallPayload);
}

TEST_F(TcpFault, StaleBytesAndUnrelatedDocumentPrecedeTheAnswer) {
    Start({"--stale-bytes", "13@StartJob", "--unrelated-doc", "StartJob"});
    ASSERT_TRUE(client_->Send('D', Request("StartJob", "<ivec:jobID>00000001</ivec:jobID>")));
    EXPECT_EQ(Element(NextData(*client_), "operation"), "GetStatusResponse");
    const std::string answer = NextData(*client_);
    EXPECT_EQ(answer.find("<?xml"), 13u);
    EXPECT_EQ(Element(answer, "operation"), "StartJobResponse");
    EXPECT_EQ(client_->Exchange(Request("GetCapability", "")).find("<?xml"), 0u);
}

TEST_F(TcpFault, OtherPrefixAndBlockSizedAnswers) {
    Start({"--prefix", "a", "--pad-4096", "all", "--busy-jobs", "2"});
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(Element(client_->Exchange(Request("StartJob", "")), "response_detail", "a"), "DeviceBusy");
    }
    const std::string started = client_->Exchange(Request("StartJob", ""));
    EXPECT_EQ(started.size() % 4096, 0u);
    EXPECT_NE(started.find("xmlns:a=\"" + kUri + "\""), std::string::npos);
    const std::string read = Receive(Element(started, "jobID", "a"));
    EXPECT_EQ(read.size(), 4096u);
    EXPECT_EQ(AfterDocument(read), kSmallPayload);
    EXPECT_EQ(Element(read, "response", "a"), "OK");
}

TEST_F(TcpFault, SomeoneEditsANameAfterTheFirstRead) {
    Start({"--edit-after-read", "1"});
    const std::string job = StartJob(*client_);
    const std::string first = AfterDocument(Receive(job));
    const std::string second = AfterDocument(Receive(job));
    EXPECT_EQ(first, kSmallPayload);
    EXPECT_NE(second, first);
    EXPECT_EQ(second.size(), first.size());
    EXPECT_NE(sim_->Log().find("# name of 01 edited on the printer\n"), std::string::npos);
}

TEST_F(TcpFault, SilentAfterSomeRequests) {
    Start({"--silent-after", "1"});
    StartJob(*client_);
    ASSERT_TRUE(client_->Send('D', Request("GetCapability", "")));
    EXPECT_TRUE(sim_->WaitForLog("GetCapability job=- result=silent\n"));
    ASSERT_TRUE(client_->Send('S', ""));
    char type = 0;
    std::string text;
    ASSERT_TRUE(client_->Receive(type, text));
    EXPECT_EQ(type, 'S');
}

TEST_F(TcpFault, ConnectionDropsInTheMiddleOfAnAnswer) {
    Start({"--disconnect-at", "2", "--delay", "50"});
    const std::string job = StartJob(*client_);
    ASSERT_TRUE(client_->Send('D', Request("ReceiveData", JobParams(job))));
    char type = 0;
    std::string bytes;
    std::size_t announced = 0;
    EXPECT_FALSE(client_->Receive(type, bytes, 10000, &announced));
    EXPECT_GT(announced, bytes.size());
    EXPECT_GT(bytes.size(), 0u);
    FrameClient again(sim_->Ready("tcp"));
    EXPECT_EQ(Element(again.Exchange(Request("EndJob", "<ivec:jobID>" + job + "</ivec:jobID>")), "response"),
              "OK");
}

TEST(UsbFault, SplitPayloadArrivesAsSeparateTransfersOnTheNode) {
    SimProcess sim({"--usb", "@DIR@", "--profile", "small", "--split-payload", "1"});
    NodeClient client(sim.Ready("usb"));
    const std::string job = StartJob(client);
    ASSERT_TRUE(client.Write(Request("ReceiveData", JobParams(job))));
    EXPECT_EQ(Element(client.Read(), "operation"), "ReceiveDataResponse");
    EXPECT_EQ(Element(client.Read(), "operation"), "GetStatusResponse");
    EXPECT_EQ(client.Read(), kSmallPayload);
}

TEST(UsbFault, UnpluggedNodeComesBackAfterADisconnect) {
    SimProcess sim({"--usb", "@DIR@", "--disconnect-at", "1"});
    NodeClient client(sim.Ready("usb"));
    const std::string cut = client.Exchange(Request("StartJob", ""));
    EXPECT_EQ(cut.find("</cmd>"), std::string::npos);
    EXPECT_TRUE(sim.WaitForLog("# device node plugged in again\n"));
    EXPECT_TRUE(std::filesystem::exists(sim.Ready("usb")));
    EXPECT_EQ(Element(client.Exchange(Request("GetCapability", "")), "operation"), "GetCapabilityResponse");
}

}  // namespace
}  // namespace simtest
