// The capability document a directory file carries between its product tag and its payload: built
// and read with the job protocol's capability response, its failures turned into result codes.
#pragma once

#include "remotesetup/device_capability.h"
#include "remotesetup/result_codes.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

// The declaration every document starts with; a directory file's capability document is found by it.
inline constexpr std::string_view kXmlDeclaration = R"(<?xml version="1.0" encoding="utf-8" ?>)";

// The GetCapabilityResponse with response "OK" for `texts` into `*document`. rs::kProtocolFailure
// when the builder fails (a document over 2048 bytes among others).
RsResult BuildCapabilityDocument(const CapabilityTexts& texts, std::string* document);

// Finds the capability document in `bytes` by its declaration and copies its 21 texts into `*texts`.
// rs::kFileMalformed without a declaration or when the document is not a GetCapabilityResponse; a
// parser failure as ResultFromProtocol maps it; rs::kOutOfMemory.
RsResult ParseCapabilityDocument(std::string_view bytes, CapabilityTexts* texts);

}  // namespace orvane
