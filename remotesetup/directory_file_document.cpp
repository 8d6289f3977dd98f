#include "directory_file_document.h"

#include "job_protocol.h"

#include <cstdint>
#include <new>
#include <type_traits>

namespace orvane {

static_assert(std::is_same_v<CapabilityDocumentFields, CapabilityTexts>);

RsResult ResultFromProtocolCode(std::uint16_t code) {
    constexpr std::uint16_t kFirstMapped = static_cast<std::uint16_t>(ProtocolCode::DeviceUseOtherJob);
    constexpr std::uint16_t kLastMapped = static_cast<std::uint16_t>(ProtocolCode::DataError);
    constexpr std::uint16_t kStep = 0x100;
    if (code == 0) return rs::kSuccess;
    if (code >= kFirstMapped && code <= kLastMapped && code % kStep == 0) {
        return rs::kDeviceUseOtherJob + (code - kFirstMapped) / kStep;
    }
    return rs::kProtocolFailure;
}

RsResult BuildCapabilityDocument(const CapabilityDocumentFields& fields, std::string* document) {
    const ProtocolCode code = BuildGetCapabilityResponse(ServiceKind::RemoteSetup, "OK", fields, document);
    return code == ProtocolCode::Success ? rs::kSuccess : rs::kProtocolFailure;
}

RsResult ParseCapabilityDocument(std::string_view bytes, CapabilityDocumentFields* fields,
                                 std::size_t* document_end) {
    const std::size_t start = bytes.find(kXmlDeclaration);
    if (start == std::string_view::npos) return rs::kFileMalformed;
    const std::string_view document = bytes.substr(start);
    try {
        std::string operation;
        std::size_t end = 0;
        ProtocolCode code = ReadOperation(document, &operation, &end);
        if (code != ProtocolCode::Success) return ResultFromProtocolCode(static_cast<std::uint16_t>(code));
        if (operation != kGetCapabilityResponse) return rs::kFileMalformed;
        code = ParseCapabilityResponse(document, fields);
        if (code != ProtocolCode::Success) return ResultFromProtocolCode(static_cast<std::uint16_t>(code));
        if (document_end != nullptr) *document_end = start + end;
    } catch (const std::bad_alloc&) {
        return rs::kOutOfMemory;
    }
    return rs::kSuccess;
}

}  // namespace orvane
