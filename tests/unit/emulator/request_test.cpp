#include <gtest/gtest.h>

#include "emulator/request.h"

namespace orvane::sim {
namespace {

const std::string kUri = "http://www.velor.com/ns/cmd/2008/07/common/";

std::string Document(const std::string& op, const std::string& params, const std::string& prefix = "ivec") {
    const std::string p = prefix + ":";
    return "<?xml version=\"1.0\" encoding=\"utf-8\" ?><cmd xmlns:" + prefix + "=\"" + kUri + "\"><" + p +
           "contents><" + p + "operation>" + op + "</" + p + "operation><" + p +
           "param_set servicetype=\"remotesetup\">" + params + "</" + p + "param_set></" + p +
           "contents></cmd>";
}

TEST(ParseRequest, ReadsTheFieldsOfAWellFormedRequest) {
    const Request r = ParseRequest(Document(
        "SendData",
        "<ivec:jobID>12345678</ivec:jobID><ivec:format>rsd1</ivec:format><ivec:datasize>97</ivec:datasize>"));
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.operation, "SendData");
    EXPECT_EQ(r.service_type, "remotesetup");
    EXPECT_EQ(r.namespace_uri, kUri);
    EXPECT_EQ(r.job_id, "12345678");
    EXPECT_EQ(r.format, "rsd1");
    EXPECT_EQ(AnnouncedDataSize(r), 97u);
}

TEST(ParseRequest, FollowsTheNamespaceNotThePrefix) {
    const Request r = ParseRequest(Document("EndJob", "<a:jobID>7</a:jobID>", "a"));
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.operation, "EndJob");
    EXPECT_EQ(r.job_id, "7");
}

struct BadRow {
    const char* what;
    std::string document;
};

TEST(ParseRequest, ReportsMalformedDocuments) {
    std::string undeclared = Document("EndJob", "");
    undeclared.replace(undeclared.find("xmlns:ivec"), 10, "xmlns:other");
    const BadRow rows[] = {
        {"not XML", "<?xml version=\"1.0\" ?><cmd><a></cmd>"},
        {"other root", "<?xml version=\"1.0\" ?><root/>"},
        {"namespace not declared", undeclared},
        {"no operation", Document("", "")},
    };
    for (const auto& row : rows) EXPECT_NE(ParseRequest(row.document).error, "") << row.what;
}

TEST(AnnouncedDataSize, AcceptsOnlyPlainDecimalNumbers) {
    const std::pair<const char*, std::optional<std::size_t>> rows[] = {
        {"0", 0},
        {"97", 97},
        {"9999999", 9999999},
        {"", std::nullopt},
        {"10000000", std::nullopt},
        {"012", std::nullopt},
        {"-1", std::nullopt},
        {"+5", std::nullopt},
        {"1e3", std::nullopt},
    };
    for (const auto& [text, expected] : rows) {
        Request r;
        r.data_size = text;
        EXPECT_EQ(AnnouncedDataSize(r), expected) << text;
    }
}

TEST(RequestFramer, SkipsStrayBytesAndWaitsForWholeDocuments) {
    const std::string doc = Document("StartJob", "<ivec:jobID>00000001</ivec:jobID>");
    RequestFramer framer;
    framer.Append("junk<?x");
    EXPECT_FALSE(framer.Next());
    framer.Append(doc.substr(3, 40));
    EXPECT_FALSE(framer.Next());
    framer.Append(doc.substr(43));
    const auto received = framer.Next();
    ASSERT_TRUE(received);
    EXPECT_EQ(received->request.operation, "StartJob");
    EXPECT_EQ(received->skipped, 4u);
    EXPECT_EQ(framer.Pending(), 0u);
}

TEST(RequestFramer, TakesTheAnnouncedPayloadAfterSendData) {
    const std::string doc = Document("SendData", "<ivec:datasize>5</ivec:datasize>");
    RequestFramer framer;
    framer.Append(doc + "<?xm");
    EXPECT_FALSE(framer.Next());
    framer.Append("l" + Document("EndJob", ""));
    const auto send = framer.Next();
    ASSERT_TRUE(send);
    EXPECT_EQ(send->payload, "<?xml");
    const auto end = framer.Next();
    ASSERT_TRUE(end);
    EXPECT_EQ(end->request.operation, "EndJob");
}

TEST(RequestFramer, DropsAnEndlessDocument) {
    RequestFramer framer;
    framer.Append("<?xml " + std::string(70000, 'a'));
    EXPECT_FALSE(framer.Next());
    EXPECT_LT(framer.Pending(), 8u);
}

}  // namespace
}  // namespace orvane::sim
