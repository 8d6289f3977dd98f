#include "remotesetup/internal/directory_file_document.h"

#include "protocol/job_protocol.h"
#include "remotesetup/job_cycle.h"

#include <new>

namespace orvane {

RsResult BuildCapabilityDocument(const CapabilityTexts& texts, std::string* document) {
    const ProtocolCode code = BuildGetCapabilityResponse(ServiceKind::RemoteSetup, "OK", texts, document);
    return code == ProtocolCode::Success ? rs::kSuccess : rs::kProtocolFailure;
}

RsResult ParseCapabilityDocument(std::string_view bytes, CapabilityTexts* texts) {
    const std::size_t start = bytes.find(kXmlDeclaration);
    if (start == std::string_view::npos) return rs::kFileMalformed;
    const std::string_view document = bytes.substr(start);
    try {
        std::string operation;
        ProtocolCode code = ReadOperation(document, &operation);
        if (code != ProtocolCode::Success) return ResultFromProtocol(code);
        if (operation != kGetCapabilityResponse) return rs::kFileMalformed;
        code = ParseCapabilityResponse(document, texts);
        if (code != ProtocolCode::Success) return ResultFromProtocol(code);
    } catch (const std::bad_alloc&) {
        return rs::kOutOfMemory;
    }
    return rs::kSuccess;
}

}  // namespace orvane
