// The capability document a directory file carries between its product tag and its payload: built
// and read with the job protocol's capability response, its failures turned into result codes.
#pragma once

#include "result_codes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// The 21 capability texts in response order (the type CapabilityTexts names; spelled out so that this
// header does not pull the protocol's declarations into every user of the model).
using CapabilityDocumentFields = std::array<std::string, 21>;

// The declaration every document starts with; a directory file's capability document is found by it.
inline constexpr std::string_view kXmlDeclaration = R"(<?xml version="1.0" encoding="utf-8" ?>)";

// The result code of a job protocol code: "DeviceUseOtherJob" to "DataError" (0x1000 to 0x1700) give
// rs::kDeviceUseOtherJob to rs::kDataError, 0 gives 0, every other code rs::kProtocolFailure.
RsResult ResultFromProtocolCode(std::uint16_t code);

// The GetCapabilityResponse with response "OK" for `fields` into `*document`. rs::kProtocolFailure
// when the builder fails (a document over 2048 bytes among others).
RsResult BuildCapabilityDocument(const CapabilityDocumentFields& fields, std::string* document);

// Finds the capability document in `bytes` by its declaration and copies its 21 texts into `*fields`;
// `*document_end`, when given, receives the offset in `bytes` just past the document. rs::kFileMalformed
// without a declaration or when the document is not a GetCapabilityResponse; a parser failure as
// ResultFromProtocolCode maps it.
RsResult ParseCapabilityDocument(std::string_view bytes, CapabilityDocumentFields* fields,
                                 std::size_t* document_end = nullptr);

}  // namespace orvane
