#include <gtest/gtest.h>

#include "session_steps.h"

namespace simtest {
namespace {

TEST(TcpSession, ReadsWritesAndReadsBackOverTheNetwork) {
    SimProcess sim({"--tcp", "127.0.0.1:0", "--profile", "small", "--job-id-start", "99999999"});
    const std::string address = sim.Ready("tcp");
    ASSERT_EQ(address.rfind("127.0.0.1:", 0), 0u);
    ASSERT_NE(address, "127.0.0.1:0");
    FrameClient client(address);
    ASSERT_TRUE(client.connected());
    ReadWriteReadBack(client, "99999999");
    EXPECT_EQ(sim.Stop(), 0);
}

TEST(TcpSession, AJobOutlivesItsConnectionAndStatusRepliesFollowTheOption) {
    SimProcess sim({"--tcp", "127.0.0.1:0", "--status", "STA:11;", "--status-count", "1", "--usb", "@DIR@"});
    std::string job;
    {
        FrameClient first(sim.Ready("tcp"));
        char type = 0;
        std::string text;
        ASSERT_TRUE(first.Send('S', ""));
        ASSERT_TRUE(first.Receive(type, text));
        EXPECT_EQ(std::string(1, type) + text, "SSTA:11;");
        ASSERT_TRUE(first.Send('S', ""));
        ASSERT_TRUE(first.Receive(type, text));
        EXPECT_EQ(text, "STA:10;");
        job = StartJob(first);
    }
    NodeClient node(sim.Ready("usb"));
    EXPECT_EQ(Element(node.Exchange(Request("EndJob", "<ivec:jobID>" + job + "</ivec:jobID>")), "response"),
              "OK");
}

TEST(TcpSession, ClosesAConnectionThatBreaksTheFraming) {
    SimProcess sim({"--tcp", "127.0.0.1:0"});
    FrameClient client(sim.Ready("tcp"));
    ASSERT_TRUE(client.Send('X', "?"));
    char type = 0;
    std::string bytes;
    EXPECT_FALSE(client.Receive(type, bytes));
    FrameClient next(sim.Ready("tcp"));
    EXPECT_EQ(StartJob(next).size(), 8u);
}

TEST(TcpSession, AComputerThatAsksIsToldWhenEveryRequestIsAnswered) {
    SimProcess sim({"--tcp", "127.0.0.1:0"});
    FrameClient client(sim.Ready("tcp"));
    ASSERT_TRUE(client.Send('N', ""));
    char type = 0;
    std::string bytes;
    ASSERT_TRUE(client.Receive(type, bytes));
    EXPECT_EQ(std::string(1, type) + bytes, std::string("N\0\0\0\0", 5));  // nothing taken yet

    // A request in two data frames: the first alone is answered by "nothing more" with its count.
    const std::string request =
        Request("StartJob", "<ivec:jobID>00000001</ivec:jobID><ivec:bidi>1</ivec:bidi>");
    ASSERT_TRUE(client.Send('D', request.substr(0, 10)));
    ASSERT_TRUE(client.Receive(type, bytes));
    EXPECT_EQ(std::string(1, type) + bytes, std::string("N\0\0\0\1", 5));
    ASSERT_TRUE(client.Send('D', request.substr(10)));
    ASSERT_TRUE(client.Receive(type, bytes));
    EXPECT_EQ(type, 'D');
    EXPECT_EQ(Element(bytes, "response"), "OK");
    ASSERT_TRUE(client.Receive(type, bytes));
    EXPECT_EQ(std::string(1, type) + bytes, std::string("N\0\0\0\2", 5));
}

}  // namespace
}  // namespace simtest
