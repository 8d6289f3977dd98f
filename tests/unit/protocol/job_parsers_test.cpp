// Response parsers: servicetype checks, NG with each response_detail, resume after stale bytes.
#include <gtest/gtest.h>

#include <string>

#include "protocol/job_protocol.h"
#include "protocol/xml_engine.h"

namespace orvane {
namespace {

using K = ServiceKind;

// A response document as a printer writes it; `inner` goes inside ivec:param_set.
std::string Response(const std::string& operation, const std::string& service, const std::string& inner) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\" ?><cmd xmlns:ivec=\"" + CommonNamespaceUri() +
           "\"><ivec:contents><ivec:operation>" + operation +
           "</ivec:operation><ivec:param_set servicetype=\"" + service + "\">" + inner +
           "</ivec:param_set></ivec:contents></cmd>";
}

std::string Ng(const std::string& detail) {
    return "<ivec:response>NG</ivec:response><ivec:response_detail>" + detail + "</ivec:response_detail>";
}

struct DetailRow {
    const char* detail;
    unsigned code;
};

class ResponseDetails : public testing::TestWithParam<DetailRow> {};

TEST_P(ResponseDetails, MapToTheirCodes) {
    const auto expected = static_cast<ProtocolCode>(GetParam().code);
    EXPECT_EQ(MapResponseDetail(GetParam().detail), expected);
    const std::string inner = Ng(GetParam().detail);
    std::string job_id = "keep";
    EXPECT_EQ(ParseJobResponse(K::RemoteSetup, JobKind::StartJob,
                               Response("StartJobResponse", "remotesetup", inner), &job_id),
              expected);
    EXPECT_EQ(job_id, "keep");
    EXPECT_EQ(ParseDataResponse(K::RemoteSetup, Response("SendDataResponse", "remotesetup", inner)),
              expected);
    CapabilityTexts capability;
    EXPECT_EQ(ParseCapabilityResponse(Response("GetCapabilityResponse", "remotesetup", inner), &capability),
              expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResponseDetails,
    testing::Values(DetailRow{"DeviceUseOtherJob", 0x1000}, DetailRow{"ParameterError", 0x1100},
                    DetailRow{"NotSupportedService", 0x1200}, DetailRow{"NotSupportedOperation", 0x1300},
                    DetailRow{"NotStart", 0x1400}, DetailRow{"IllegalJobID", 0x1500},
                    DetailRow{"IllegalOperation", 0x1600}, DetailRow{"DataError", 0x1700},
                    DetailRow{"SequenceError", 0x1800}, DetailRow{"NoADFDocumentError", 0x1900},
                    DetailRow{"MismatchDocumentSizeError", 0x1A00}, DetailRow{"ADFCoverOpenError", 0x1B00},
                    DetailRow{"DocumentTooLongError", 0x1C00}, DetailRow{"ADFDocumentJamError", 0x1D00},
                    DetailRow{"ScannerCarriageLockError", 0x1E00}, DetailRow{"WarmUpError", 0x1F00},
                    DetailRow{"DeviceCheckError", 0x2000}, DetailRow{"PCScanning", 0x2100},
                    DetailRow{"DeviceBusy", 0x2200}, DetailRow{"PowerOnInitializing", 0x2300},
                    DetailRow{"DataSizeOver", 0x2400}, DetailRow{"Busy", 0x3000}, DetailRow{"", 0x3000},
                    DetailRow{"devicebusy", 0x3000}, DetailRow{"Device Busy", 0x3000}));

struct JobRow {
    const char* name;
    ServiceKind kind;
    JobKind job;
    std::string received;
    unsigned code;
    std::string job_id;  // expected afterwards ("-" = untouched)
};

class JobResponses : public testing::TestWithParam<JobRow> {};

TEST_P(JobResponses, ReturnCodeAndJobId) {
    std::string job_id = "-";
    EXPECT_EQ(ParseJobResponse(GetParam().kind, GetParam().job, GetParam().received, &job_id),
              static_cast<ProtocolCode>(GetParam().code));
    EXPECT_EQ(job_id, GetParam().job_id);
}

const std::string kOkStart = "<ivec:response>OK</ivec:response><ivec:jobID>12345678</ivec:jobID>";

INSTANTIATE_TEST_SUITE_P(
    Rows, JobResponses,
    testing::Values(
        JobRow{"StartOk", K::RemoteSetup, JobKind::StartJob,
               Response("StartJobResponse", "remotesetup", kOkStart), 0, "12345678"},
        JobRow{"EndOkLeavesJobId", K::RemoteSetup, JobKind::EndJob,
               Response("EndJobResponse", "remotesetup", kOkStart), 0, "-"},
        JobRow{"FaxOk", K::Fax, JobKind::StartJob, Response("StartJobResponse", "fax", kOkStart), 0,
               "12345678"},
        JobRow{"LowerCaseNgSucceeds", K::RemoteSetup, JobKind::StartJob,
               Response("StartJobResponse", "remotesetup",
                        "<ivec:response>ng</ivec:response><ivec:jobID>9</ivec:jobID>"),
               0, "9"},
        JobRow{"MissingResponseSucceeds", K::RemoteSetup, JobKind::StartJob,
               Response("StartJobResponse", "remotesetup", "<ivec:jobID>5</ivec:jobID>"), 0, "5"},
        JobRow{"MissingJobIdGivesEmpty", K::RemoteSetup, JobKind::StartJob,
               Response("StartJobResponse", "remotesetup", "<ivec:response>OK</ivec:response>"), 0, ""},
        JobRow{"FaxServiceForRemoteSetup", K::RemoteSetup, JobKind::StartJob,
               Response("StartJobResponse", "fax", kOkStart), 0x0500, "-"},
        JobRow{"RemoteSetupServiceForFax", K::Fax, JobKind::StartJob,
               Response("StartJobResponse", "remotesetup", kOkStart), 0x0400, "-"},
        JobRow{"ServiceCheckedBeforeNg", K::RemoteSetup, JobKind::EndJob,
               Response("EndJobResponse", "device", Ng("DeviceBusy")), 0x0500, "-"},
        JobRow{"StaleBytesBeforeDeclaration", K::RemoteSetup, JobKind::StartJob,
               "\x01\x02<ivec:old>" + Response("StartJobResponse", "remotesetup", kOkStart), 0, "12345678"},
        JobRow{"TwoStaleDeclarations", K::RemoteSetup, JobKind::StartJob,
               "x<?xml y" + Response("StartJobResponse", "remotesetup", kOkStart), 0, "12345678"},
        JobRow{"NotADocument", K::RemoteSetup, JobKind::StartJob, "garbage bytes only", 0xFFFD, "-"},
        JobRow{"BrokenDocument", K::RemoteSetup, JobKind::StartJob,
               "<?xml ?><cmd><ivec:contents></ivec:param_set></cmd>", 0xFFF6, "-"},
        JobRow{"DeviceKind", K::Device, JobKind::StartJob, Response("StartJobResponse", "device", kOkStart),
               0x0200, "-"},
        JobRow{"UnknownJobKind", K::RemoteSetup, static_cast<JobKind>(3),
               Response("StartJobResponse", "remotesetup", kOkStart), 0x0200, "-"}),
    [](const testing::TestParamInfo<JobRow>& info) { return std::string(info.param.name); });

std::string CapabilityInner() {
    std::string inner = "<ivec:response>OK</ivec:response><ivec:response_detail/>";
    for (std::size_t i = 0; i < kCapabilityFieldCount; ++i) {
        if (i == 7) continue;  // one field missing
        const std::string name(kCapabilityFieldNames[i]);
        inner += "<ivec:" + name + ">" + std::to_string(i) + "</ivec:" + name + ">";
    }
    return inner;
}

TEST(ParseCapabilityResponse, CopiesFieldsInOrder) {
    CapabilityTexts capability;
    capability[7] = "stale";
    ASSERT_EQ(ParseCapabilityResponse(Response("GetCapabilityResponse", "remotesetup", CapabilityInner()),
                                      &capability),
              ProtocolCode::Success);
    for (std::size_t i = 0; i < kCapabilityFieldCount; ++i) {
        EXPECT_EQ(capability[i], i == 7 ? "" : std::to_string(i)) << kCapabilityFieldNames[i];
    }
}

TEST(ParseCapabilityResponse, ChecksServiceThenOperation) {
    CapabilityTexts capability;
    capability[0] = "kept";
    EXPECT_EQ(
        ParseCapabilityResponse(Response("GetCapabilityResponse", "fax", CapabilityInner()), &capability),
        ProtocolCode::CapabilityServiceMismatch);
    EXPECT_EQ(
        ParseCapabilityResponse(Response("StartJobResponse", "remotesetup", CapabilityInner()), &capability),
        ProtocolCode::Success);
    EXPECT_EQ(capability[0], "kept");
}

TEST(ParseCapabilityResponse, ReadsWhatTheBuilderWrites) {
    CapabilityTexts written;
    for (std::size_t i = 0; i < written.size(); ++i) written[i] = "v" + std::to_string(i * 7);
    std::string document;
    ASSERT_EQ(BuildGetCapabilityResponse(K::RemoteSetup, "OK", written, &document), ProtocolCode::Success);
    CapabilityTexts read;
    ASSERT_EQ(ParseCapabilityResponse(document, &read), ProtocolCode::Success);
    EXPECT_EQ(read, written);
}

TEST(ParseDataResponse, ChecksServiceAndKind) {
    const std::string ok = "<ivec:response>OK</ivec:response>";
    EXPECT_EQ(ParseDataResponse(K::RemoteSetup, Response("ReceiveDataResponse", "remotesetup", ok)),
              ProtocolCode::Success);
    EXPECT_EQ(ParseDataResponse(K::RemoteSetup, Response("ReceiveDataResponse", "fax", ok)),
              ProtocolCode::RemoteSetupServiceMismatch);
    EXPECT_EQ(ParseDataResponse(K::Fax, Response("ReceiveDataResponse", "fax", ok)),
              ProtocolCode::NotSupported);
}

TEST(ReadOperation, ReadsNameAndDocumentEnd) {
    const std::string document = Response("ReceiveDataResponse", "remotesetup", "");
    const std::string received = "stale" + document + "PAYLOAD";
    std::string operation;
    std::size_t end = 0;
    ASSERT_EQ(ReadOperation(received, &operation, &end), ProtocolCode::Success);
    EXPECT_EQ(operation, kReceiveDataResponse);
    EXPECT_EQ(received.substr(end), "PAYLOAD");
}

TEST(ReadOperation, MissingOperationIsEmpty) {
    std::string operation = "x";
    ASSERT_EQ(ReadOperation("<?xml ?><cmd><a>1</a></cmd>", &operation), ProtocolCode::Success);
    EXPECT_EQ(operation, "");
}

TEST(ReadOperation, NonDocumentFailsWithEngineCode) {
    std::string operation;
    EXPECT_EQ(ReadOperation("RS payload bytes", &operation), ProtocolCodeFromXml(kXmlNoDeclaration));
    EXPECT_EQ(ReadOperation("abc", &operation), ProtocolCodeFromXml(kXmlTooShort));
    EXPECT_EQ(ReadOperation("<?xml?><?xml ?><cmd/>", &operation), ProtocolCodeFromXml(kXmlNoDeclaration));
}

TEST(MissingOutput, RefusedWithNotSupported) {
    const std::string document = Response("StartJobResponse", "remotesetup", kOkStart);
    EXPECT_EQ(ParseJobResponse(K::RemoteSetup, JobKind::StartJob, document, nullptr),
              ProtocolCode::NotSupported);
    EXPECT_EQ(ParseJobResponse(K::RemoteSetup, JobKind::EndJob, document, nullptr), ProtocolCode::Success);
    EXPECT_EQ(ReadOperation(document, nullptr), ProtocolCode::NotSupported);
    EXPECT_EQ(ParseCapabilityResponse(document, nullptr), ProtocolCode::NotSupported);
    EXPECT_EQ(BuildStartJob(K::RemoteSetup, "1", nullptr), ProtocolCode::NotSupported);
}

}  // namespace
}  // namespace orvane
