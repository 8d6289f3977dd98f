#include "protocol/job_protocol.h"

#include <new>
#include <utility>
#include <vector>

#include "protocol/xml_engine.h"

namespace orvane {

namespace {

constexpr std::string_view kDeclaration = R"(<?xml version="1.0" encoding="utf-8" ?>)";
constexpr std::string_view kTemplateService = R"("%s")";
// The servicetype attribute, and the parameter element as a template writes it.
constexpr std::string_view kServicePath = "cmd/ivec:contents/ivec:param_set servicetype";
constexpr std::string_view kOperationPath = "cmd/ivec:contents/ivec:operation";

constexpr std::string_view kStartJobBody =
    "<ivec:contents><ivec:operation>StartJob</ivec:operation><ivec:param_set servicetype=\"%s\">"
    "<ivec:jobID>00000001</ivec:jobID><ivec:bidi>%s</ivec:bidi></ivec:param_set></ivec:contents></cmd>";
constexpr std::string_view kEndJobBody =
    "<ivec:contents><ivec:operation>EndJob</ivec:operation><ivec:param_set servicetype=\"%s\">"
    "<ivec:jobID>00000001</ivec:jobID></ivec:param_set></ivec:contents></cmd>";
constexpr std::string_view kGetCapabilityBody =
    "<ivec:contents><ivec:operation>GetCapability</ivec:operation><ivec:param_set servicetype=\"%s\">"
    "</ivec:param_set></ivec:contents></cmd>";
constexpr std::string_view kSendDataBody =
    "<ivec:contents><ivec:operation>SendData</ivec:operation><ivec:param_set servicetype=\"%s\">"
    "<ivec:jobID>00000001</ivec:jobID><ivec:format>%s</ivec:format><ivec:datasize>%s</ivec:datasize>"
    "</ivec:param_set></ivec:contents></cmd>";
constexpr std::string_view kReceiveDataBody =
    "<ivec:contents><ivec:operation>ReceiveData</ivec:operation><ivec:param_set servicetype=\"%s\">"
    "<ivec:jobID>00000001</ivec:jobID><ivec:format>%s</ivec:format></ivec:param_set></ivec:contents></cmd>";
constexpr std::string_view kCapabilityResponseHead =
    "<ivec:contents><ivec:operation>GetCapabilityResponse</ivec:operation>"
    "<ivec:param_set servicetype=\"%s\"><ivec:response>%s</ivec:response><ivec:response_detail/>";
constexpr std::string_view kBodyTail = "</ivec:param_set></ivec:contents></cmd>";

// The servicetype value of a kind, quotes included.
std::string_view ServiceValue(ServiceKind kind) {
    switch (kind) {
        case ServiceKind::Fax:
            return R"("fax")";
        case ServiceKind::Device:
            return R"("device")";
        case ServiceKind::RemoteSetup:
            return R"("remotesetup")";
    }
    return {};
}

// The parameter element's path: as a template writes it ("%s"), or as a response of `kind` does.
std::string ParamPath(std::string_view service_value) {
    return std::string(kServicePath) + "=" + std::string(service_value);
}

std::string ParamChild(std::string_view service_value, std::string_view element) {
    return ParamPath(service_value) + "/ivec:" + std::string(element);
}

std::string EnvelopeHead() {
    return std::string(kDeclaration) + "<cmd xmlns:ivec=\"" + CommonNamespaceUri() + "\">";
}

// A builder's work: the envelope around `body`, filled by `fills`.
ProtocolCode FillTemplate(std::string_view body, const std::vector<XmlQuery>& fills, std::string* document) {
    if (document == nullptr) return ProtocolCode::NotSupported;
    std::string text = EnvelopeHead() + std::string(body);
    const int rc = XmlFill(&text, fills);
    if (rc != kXmlOk) return ProtocolCodeFromXml(rc);
    if (text.empty()) return ProtocolCode::NotSupported;
    *document = std::move(text);
    return ProtocolCode::Success;
}

// Turns std::bad_alloc into OutOfMemory so that no exception leaves the layer.
template <typename Work>
ProtocolCode Guarded(Work work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return ProtocolCode::OutOfMemory;
    }
}

// The fills every request starts with: the servicetype, then the job ID when there is one.
std::vector<XmlQuery> ServiceFills(ServiceKind kind, std::string_view job_id) {
    std::vector<XmlQuery> fills{{std::string(kServicePath), std::string(ServiceValue(kind))}};
    if (!job_id.empty()) fills.push_back({ParamChild(kTemplateService, "jobID"), std::string(job_id)});
    return fills;
}

ProtocolCode BuildDataRequest(ServiceKind kind, std::string_view body, std::vector<XmlQuery> fills,
                              std::string* document) {
    if (kind != ServiceKind::RemoteSetup) return ProtocolCode::NotSupported;
    return FillTemplate(body, fills, document);
}

// Runs the queries over a received text, skipping bytes ahead of its declaration.
ProtocolCode FindValues(std::string_view received, const std::vector<XmlQuery>& queries, XmlMatchSet* set) {
    std::size_t resume = 0;
    for (;;) {
        const int rc = XmlFind(received, queries, resume, set);
        if (rc != kXmlResume) return ProtocolCodeFromXml(rc);
        if (set->resume_offset <= resume) return ProtocolCode::NotSupported;
        resume = set->resume_offset;
    }
}

// Where the values of ResponseQueries land in a match set; a parser's own queries follow them.
enum ResponseValue : std::size_t {
    kServiceValue,   // the servicetype attribute
    kResponseValue,  // `ivec:response`
    kDetailValue,    // `ivec:response_detail`
    kOwnValues,      // the first of the parser's own queries
};

// The checks every response shares: servicetype, then "NG" with its response_detail.
ProtocolCode CheckResponse(const XmlMatchSet& set, ServiceKind kind, ProtocolCode mismatch) {
    if (set.Value(kServiceValue) != ServiceValue(kind)) return mismatch;
    if (set.Value(kResponseValue) == "NG") return MapResponseDetail(set.Value(kDetailValue));
    return ProtocolCode::Success;
}

// The queries every response check starts with, in the order of ResponseValue.
std::vector<XmlQuery> ResponseQueries(ServiceKind kind) {
    const std::string_view value = ServiceValue(kind);
    return {{std::string(kServicePath), {}},
            {ParamChild(value, "response"), {}},
            {ParamChild(value, "response_detail"), {}}};
}

constexpr std::pair<std::string_view, ProtocolCode> kResponseDetails[] = {
    {"DeviceUseOtherJob", ProtocolCode::DeviceUseOtherJob},
    {"ParameterError", ProtocolCode::ParameterError},
    {"NotSupportedService", ProtocolCode::NotSupportedService},
    {"NotSupportedOperation", ProtocolCode::NotSupportedOperation},
    {"NotStart", ProtocolCode::NotStart},
    {"IllegalJobID", ProtocolCode::IllegalJobID},
    {"IllegalOperation", ProtocolCode::IllegalOperation},
    {"DataError", ProtocolCode::DataError},
    {"SequenceError", ProtocolCode::SequenceError},
    {"NoADFDocumentError", ProtocolCode::NoADFDocumentError},
    {"MismatchDocumentSizeError", ProtocolCode::MismatchDocumentSizeError},
    {"ADFCoverOpenError", ProtocolCode::ADFCoverOpenError},
    {"DocumentTooLongError", ProtocolCode::DocumentTooLongError},
    {"ADFDocumentJamError", ProtocolCode::ADFDocumentJamError},
    {"ScannerCarriageLockError", ProtocolCode::ScannerCarriageLockError},
    {"WarmUpError", ProtocolCode::WarmUpError},
    {"DeviceCheckError", ProtocolCode::DeviceCheckError},
    {"PCScanning", ProtocolCode::PCScanning},
    {"DeviceBusy", ProtocolCode::DeviceBusy},
    {"PowerOnInitializing", ProtocolCode::PowerOnInitializing},
    {"DataSizeOver", ProtocolCode::DataSizeOver},
};

}  // namespace

ProtocolCode ProtocolCodeFromXml(int engine_code) {
    return static_cast<ProtocolCode>(static_cast<std::uint16_t>(engine_code));
}

ProtocolCode BuildStartJob(ServiceKind kind, std::string_view bidi, std::string* document) {
    if (kind != ServiceKind::Fax && kind != ServiceKind::RemoteSetup) return ProtocolCode::NotSupported;
    return Guarded([&] {
        std::vector<XmlQuery> fills = ServiceFills(kind, {});
        fills.push_back({ParamChild(kTemplateService, "bidi"), std::string(bidi)});
        return FillTemplate(kStartJobBody, fills, document);
    });
}

ProtocolCode BuildEndJob(ServiceKind kind, std::string_view job_id, std::string* document) {
    if (kind != ServiceKind::Fax && kind != ServiceKind::RemoteSetup) return ProtocolCode::NotSupported;
    return Guarded([&] { return FillTemplate(kEndJobBody, ServiceFills(kind, job_id), document); });
}

ProtocolCode BuildGetCapability(ServiceKind kind, std::string* document) {
    if (kind != ServiceKind::Device && kind != ServiceKind::RemoteSetup) return ProtocolCode::NotSupported;
    return Guarded([&] { return FillTemplate(kGetCapabilityBody, ServiceFills(kind, {}), document); });
}

ProtocolCode BuildSendData(ServiceKind kind, std::string_view job_id, std::string_view format,
                           std::size_t datasize, std::string* document) {
    if (kind != ServiceKind::RemoteSetup) return ProtocolCode::NotSupported;
    if (datasize > kMaxSendDataSize) return ProtocolCode::TextLength;
    return Guarded([&] {
        std::vector<XmlQuery> fills = ServiceFills(kind, job_id);
        fills.push_back({ParamChild(kTemplateService, "format"), std::string(format)});
        fills.push_back({ParamChild(kTemplateService, "datasize"), std::to_string(datasize)});
        return BuildDataRequest(kind, kSendDataBody, std::move(fills), document);
    });
}

ProtocolCode BuildReceiveData(ServiceKind kind, std::string_view job_id, std::string_view format,
                              std::string* document) {
    return Guarded([&] {
        std::vector<XmlQuery> fills = ServiceFills(kind, job_id);
        fills.push_back({ParamChild(kTemplateService, "format"), std::string(format)});
        return BuildDataRequest(kind, kReceiveDataBody, std::move(fills), document);
    });
}

ProtocolCode BuildGetCapabilityResponse(ServiceKind kind, std::string_view response,
                                        const CapabilityTexts& capability, std::string* document) {
    return Guarded([&] {
        std::string body(kCapabilityResponseHead);
        std::vector<XmlQuery> fills = ServiceFills(kind, {});
        fills.push_back({ParamChild(kTemplateService, "response"), std::string(response)});
        for (CapabilityField field : kCapabilityFields) {
            const std::string name(CapabilityFieldName(field));
            body += "<ivec:" + name + ">%s</ivec:" + name + ">";
            fills.push_back({ParamChild(kTemplateService, name), CapabilityText(capability, field)});
        }
        body += kBodyTail;
        return BuildDataRequest(kind, body, std::move(fills), document);
    });
}

ProtocolCode ReadOperation(std::string_view received, std::string* operation, std::size_t* document_end) {
    if (operation == nullptr) return ProtocolCode::NotSupported;
    return Guarded([&] {
        XmlMatchSet set;
        const ProtocolCode code = FindValues(received, {{std::string(kOperationPath), {}}}, &set);
        if (code != ProtocolCode::Success) return code;
        *operation = set.Value(0);
        if (document_end != nullptr) *document_end = set.document_end;
        return ProtocolCode::Success;
    });
}

ProtocolCode ParseJobResponse(ServiceKind kind, JobKind job, std::string_view received, std::string* job_id) {
    const bool known_job = job == JobKind::StartJob || job == JobKind::EndJob;
    const bool has_output = job_id != nullptr || job == JobKind::EndJob;
    if ((kind != ServiceKind::Fax && kind != ServiceKind::RemoteSetup) || !known_job || !has_output) {
        return ProtocolCode::NotSupported;
    }
    return Guarded([&] {
        std::vector<XmlQuery> queries = ResponseQueries(kind);
        queries.push_back({ParamChild(ServiceValue(kind), "jobID"), {}});
        XmlMatchSet set;
        ProtocolCode code = FindValues(received, queries, &set);
        if (code != ProtocolCode::Success) return code;
        const ProtocolCode mismatch = kind == ServiceKind::Fax ? ProtocolCode::FaxServiceMismatch
                                                               : ProtocolCode::RemoteSetupServiceMismatch;
        code = CheckResponse(set, kind, mismatch);
        if (code == ProtocolCode::Success && job == JobKind::StartJob) *job_id = set.Value(kOwnValues);
        return code;
    });
}

ProtocolCode ParseCapabilityResponse(std::string_view received, CapabilityTexts* capability) {
    if (capability == nullptr) return ProtocolCode::NotSupported;
    return Guarded([&] {
        // The operation, then one value per field in field order.
        constexpr std::size_t kOperationValue = kOwnValues;
        constexpr std::size_t kFirstFieldValue = kOperationValue + 1;
        std::vector<XmlQuery> queries = ResponseQueries(ServiceKind::RemoteSetup);
        queries.push_back({std::string(kOperationPath), {}});
        for (CapabilityField field : kCapabilityFields) {
            queries.push_back(
                {ParamChild(ServiceValue(ServiceKind::RemoteSetup), CapabilityFieldName(field)), {}});
        }
        XmlMatchSet set;
        ProtocolCode code = FindValues(received, queries, &set);
        if (code != ProtocolCode::Success) return code;
        code = CheckResponse(set, ServiceKind::RemoteSetup, ProtocolCode::CapabilityServiceMismatch);
        if (code != ProtocolCode::Success || set.Value(kOperationValue) != kGetCapabilityResponse) {
            return code;
        }
        for (CapabilityField field : kCapabilityFields) {
            CapabilityText(*capability, field) = set.Value(kFirstFieldValue + CapabilityIndex(field));
        }
        return ProtocolCode::Success;
    });
}

ProtocolCode ParseDataResponse(ServiceKind kind, std::string_view received) {
    if (kind != ServiceKind::RemoteSetup) return ProtocolCode::NotSupported;
    return Guarded([&] {
        XmlMatchSet set;
        const ProtocolCode code = FindValues(received, ResponseQueries(kind), &set);
        if (code != ProtocolCode::Success) return code;
        return CheckResponse(set, kind, ProtocolCode::RemoteSetupServiceMismatch);
    });
}

ProtocolCode MapResponseDetail(std::string_view detail) {
    for (const auto& [text, code] : kResponseDetails) {
        if (detail == text) return code;
    }
    return ProtocolCode::UnknownResponseDetail;
}

}  // namespace orvane
