// Request builders: every document byte for byte, and the kinds each builder refuses.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "protocol/job_protocol.h"
#include "protocol/xml_engine.h"

namespace orvane {
namespace {

std::string Head() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\" ?><cmd "
           "xmlns:ivec=\"http://www.velor.com/ns/cmd/2008/07/common/\">";
}

struct BuildRow {
    const char* name;
    std::function<ProtocolCode(std::string*)> build;
    ProtocolCode code;
    std::string body;  // expected document after the envelope head; empty when the build fails
};

class Builders : public testing::TestWithParam<BuildRow> {};

TEST_P(Builders, ProduceExactDocuments) {
    std::string document = "untouched";
    ASSERT_EQ(GetParam().build(&document), GetParam().code);
    if (GetParam().code == ProtocolCode::Success) {
        EXPECT_EQ(document, Head() + GetParam().body);
    } else {
        EXPECT_EQ(document, "untouched");
    }
}

using K = ServiceKind;

INSTANTIATE_TEST_SUITE_P(
    Documents, Builders,
    testing::Values(
        BuildRow{"StartJobRemoteSetup", [](std::string* d) { return BuildStartJob(K::RemoteSetup, "1", d); },
                 ProtocolCode::Success,
                 "<ivec:contents><ivec:operation>StartJob</ivec:operation><ivec:param_set "
                 "servicetype=\"remotesetup\"><ivec:jobID>00000001</ivec:jobID><ivec:bidi>1</ivec:bidi></"
                 "ivec:param_set></ivec:contents></cmd>"},
        BuildRow{"StartJobFaxEmptyBidi", [](std::string* d) { return BuildStartJob(K::Fax, "", d); },
                 ProtocolCode::Success,
                 "<ivec:contents><ivec:operation>StartJob</ivec:operation><ivec:param_set "
                 "servicetype=\"fax\"><ivec:jobID>00000001</ivec:jobID><ivec:bidi>%s</ivec:bidi></"
                 "ivec:param_set></ivec:contents></cmd>"},
        BuildRow{"StartJobDevice", [](std::string* d) { return BuildStartJob(K::Device, "1", d); },
                 ProtocolCode::NotSupported, ""},
        BuildRow{"EndJob", [](std::string* d) { return BuildEndJob(K::RemoteSetup, "12345678", d); },
                 ProtocolCode::Success,
                 "<ivec:contents><ivec:operation>EndJob</ivec:operation><ivec:param_set "
                 "servicetype=\"remotesetup\"><ivec:jobID>12345678</ivec:jobID></ivec:param_set></"
                 "ivec:contents></cmd>"},
        BuildRow{"EndJobDevice", [](std::string* d) { return BuildEndJob(K::Device, "1", d); },
                 ProtocolCode::NotSupported, ""},
        BuildRow{"GetCapabilityRemoteSetup",
                 [](std::string* d) { return BuildGetCapability(K::RemoteSetup, d); }, ProtocolCode::Success,
                 "<ivec:contents><ivec:operation>GetCapability</ivec:operation><ivec:param_set "
                 "servicetype=\"remotesetup\"></ivec:param_set></ivec:contents></cmd>"},
        BuildRow{"GetCapabilityDevice", [](std::string* d) { return BuildGetCapability(K::Device, d); },
                 ProtocolCode::Success,
                 "<ivec:contents><ivec:operation>GetCapability</ivec:operation><ivec:param_set "
                 "servicetype=\"device\"></ivec:param_set></ivec:contents></cmd>"},
        BuildRow{"GetCapabilityFax", [](std::string* d) { return BuildGetCapability(K::Fax, d); },
                 ProtocolCode::NotSupported, ""},
        BuildRow{
            "SendData",
            [](std::string* d) { return BuildSendData(K::RemoteSetup, "12345678", "RSD1", 1234, d); },
            ProtocolCode::Success,
            "<ivec:contents><ivec:operation>SendData</ivec:operation><ivec:param_set "
            "servicetype=\"remotesetup\"><ivec:jobID>12345678</ivec:jobID><ivec:format>RSD1</ivec:format>"
            "<ivec:datasize>1234</ivec:datasize></ivec:param_set></ivec:contents></cmd>"},
        BuildRow{"SendDataZeroBytes",
                 [](std::string* d) { return BuildSendData(K::RemoteSetup, "7", "F", 0, d); },
                 ProtocolCode::Success,
                 "<ivec:contents><ivec:operation>SendData</ivec:operation><ivec:param_set "
                 "servicetype=\"remotesetup\"><ivec:jobID>7</ivec:jobID><ivec:format>F</ivec:format>"
                 "<ivec:datasize>0</ivec:datasize></ivec:param_set></ivec:contents></cmd>"},
        BuildRow{"SendDataFax", [](std::string* d) { return BuildSendData(K::Fax, "1", "F", 1, d); },
                 ProtocolCode::NotSupported, ""},
        BuildRow{"SendDataEightDigits",
                 [](std::string* d) { return BuildSendData(K::RemoteSetup, "1", "F", 10'000'000, d); },
                 ProtocolCode::TextLength, ""},
        BuildRow{
            "ReceiveData",
            [](std::string* d) { return BuildReceiveData(K::RemoteSetup, "12345678", "RSD1", d); },
            ProtocolCode::Success,
            "<ivec:contents><ivec:operation>ReceiveData</ivec:operation><ivec:param_set "
            "servicetype=\"remotesetup\"><ivec:jobID>12345678</ivec:jobID><ivec:format>RSD1</ivec:format>"
            "</ivec:param_set></ivec:contents></cmd>"},
        BuildRow{"ReceiveDataDevice", [](std::string* d) { return BuildReceiveData(K::Device, "1", "F", d); },
                 ProtocolCode::NotSupported, ""}),
    [](const testing::TestParamInfo<BuildRow>& info) { return std::string(info.param.name); });

CapabilityTexts SampleCapability() {
    CapabilityTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = std::to_string(100 + i);
    texts[0] = "RSD1";
    return texts;
}

std::string CapabilityBody(const CapabilityTexts& texts) {
    std::string body =
        "<ivec:contents><ivec:operation>GetCapabilityResponse</ivec:operation><ivec:param_set "
        "servicetype=\"remotesetup\"><ivec:response>OK</ivec:response><ivec:response_detail/>";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string name(kCapabilityFieldNames[i]);
        body += "<ivec:" + name + ">" + (texts[i].empty() ? "%s" : texts[i]) + "</ivec:" + name + ">";
    }
    return body + "</ivec:param_set></ivec:contents></cmd>";
}

TEST(BuildGetCapabilityResponse, WritesEveryFieldInOrder) {
    const CapabilityTexts texts = SampleCapability();
    std::string document;
    ASSERT_EQ(BuildGetCapabilityResponse(K::RemoteSetup, "OK", texts, &document), ProtocolCode::Success);
    EXPECT_EQ(document, Head() + CapabilityBody(texts));
}

TEST(BuildGetCapabilityResponse, EmptyFieldKeepsPlaceholder) {
    CapabilityTexts texts = SampleCapability();
    texts[5].clear();
    std::string document;
    ASSERT_EQ(BuildGetCapabilityResponse(K::RemoteSetup, "OK", texts, &document), ProtocolCode::Success);
    EXPECT_NE(document.find("<ivec:max_coded_dial_num>%s</ivec:max_coded_dial_num>"), std::string::npos);
    EXPECT_EQ(document, Head() + CapabilityBody(texts));
}

TEST(BuildGetCapabilityResponse, OversizedDocumentFailsWithEngineCode) {
    CapabilityTexts texts = SampleCapability();
    texts[1] = std::string(1500, 'x');
    std::string document;
    EXPECT_EQ(BuildGetCapabilityResponse(K::RemoteSetup, "OK", texts, &document),
              static_cast<ProtocolCode>(0xFFF4));
    EXPECT_TRUE(document.empty());
    EXPECT_EQ(BuildGetCapabilityResponse(K::Fax, "OK", SampleCapability(), &document),
              ProtocolCode::NotSupported);
}

TEST(ProtocolCodeFromXml, FoldsEngineCodesTo16Bits) {
    EXPECT_EQ(ProtocolCodeFromXml(kXmlOk), ProtocolCode::Success);
    EXPECT_EQ(static_cast<unsigned>(ProtocolCodeFromXml(kXmlMissingArgument)), 0xFFFEu);
    EXPECT_EQ(static_cast<unsigned>(ProtocolCodeFromXml(kXmlNoDeclaration)), 0xFFFDu);
    EXPECT_EQ(static_cast<unsigned>(ProtocolCodeFromXml(kXmlSpaceAfterXmlns)), 0xFFF2u);
}

}  // namespace
}  // namespace orvane
