#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "session_steps.h"

namespace simtest {
namespace {

std::string FileText(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(UsbSession, ReadsWritesAndReadsBackThroughTheDeviceNode) {
    SimProcess sim(
        {"--usb", "@DIR@/dev", "--profile", "small", "--state", "@DIR@/state", "--job-id-start", "42"});
    const std::string node = sim.Ready("usb");
    ASSERT_EQ(node, sim.dir() + "/dev/lp0");
    NodeClient client(node);
    ReadWriteReadBack(client, "00000042");

    EXPECT_NE(FileText(sim.dir() + "/state").find("dial 01 individual \"Bob\" \"12\"\n"), std::string::npos);
    EXPECT_EQ(sim.Log(),
              "StartJob job=00000001 result=OK newjob=00000042\n"
              "GetCapability job=- result=OK\n"
              "ReceiveData job=00000042 result=OK size=97\n"
              "SendData job=00000042 result=OK size=97\n"
              "ReceiveData job=00000042 result=OK size=97\n"
              "EndJob job=00000042 result=OK\n");
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(node)));
}

TEST(UsbSession, TakesARequestWrittenInPiecesAndNamesTheNodeByIndex) {
    SimProcess sim({"--usb", "@DIR@", "--usb-index", "2", "--job-id-start", "7"});
    NodeClient client(sim.Ready("usb"));
    ASSERT_EQ(sim.Ready("usb"), sim.dir() + "/lp2");
    const std::string doc = Request("StartJob", "<ivec:jobID>00000001</ivec:jobID>");
    ASSERT_TRUE(client.Write("\x1b%-12345X" + doc.substr(0, 50)));
    ASSERT_TRUE(client.Write(doc.substr(50)));
    EXPECT_EQ(Element(client.Read(), "jobID"), "00000007");
    EXPECT_NE(sim.Log().find("# 9 stray bytes skipped\n"), std::string::npos);
}

TEST(UsbSession, LargeDirectorySpansSeveralChunksAndSurvivesARestart) {
    char pattern[] = "/tmp/orvane-sim-state-XXXXXX";
    const std::string keep = ::mkdtemp(pattern);
    const std::vector<std::string> args = {"--usb",   "@DIR@",         "--profile", "large",
                                           "--state", keep + "/state", "--keycode", "type1"};
    std::string changed;
    {
        SimProcess sim(args);
        NodeClient client(sim.Ready("usb"));
        const std::string job = StartJob(client);
        const std::string payload = ReadPayload(client, job);
        EXPECT_GT(payload.size(), 4u * 4096u);
        EXPECT_EQ(payload.substr(0, 5), "GI*00");
        EXPECT_EQ(payload.substr(payload.size() - 50, 6), "RI99\r\n");
        changed = payload;
        changed.replace(changed.find("RI01\r\nRT") + 8, 3, "777");
        EXPECT_EQ(SendPayload(client, job, changed), "OK");
        client.Exchange(Request("EndJob", "<ivec:jobID>" + job + "</ivec:jobID>"));
        EXPECT_NE(FileText(keep + "/state").find("dial 01 individual \"ﾐｭﾗｰ\""), std::string::npos);
    }
    SimProcess again(args);
    NodeClient client(again.Ready("usb"));
    EXPECT_EQ(ReadPayload(client, StartJob(client)), changed);
    std::filesystem::remove_all(keep);
}

}  // namespace
}  // namespace simtest
