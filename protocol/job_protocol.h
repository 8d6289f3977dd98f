// The job protocol documents: builders of every request (and of the capability response that
// directory files store) and checkers of every response, on top of the XML engine.
//
// Every document is `<?xml version="1.0" encoding="utf-8" ?>` followed by a `cmd` root that binds
// `ivec` to the common namespace, one `ivec:contents` with the operation name and one
// `ivec:param_set` whose `servicetype` attribute names the service. Builders return the document in
// an out-parameter and a ProtocolCode; parsers take the received bytes (cut at their first NUL),
// skip bytes ahead of the declaration, and copy every value they return.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// The service a document addresses (its `servicetype`).
enum class ServiceKind : int {
    Fax = 2,          // "fax": StartJob, EndJob and their responses
    Device = 3,       // "device": GetCapability
    RemoteSetup = 4,  // "remotesetup": every document of the remote-setup exchange
};

// The job operation a job response answers.
enum class JobKind : int {
    StartJob = 1,  // StartJobResponse; carries the job ID to use
    EndJob = 2,    // EndJobResponse
};

// 16-bit result of every builder and parser. A missing out-parameter gives NotSupported. Engine codes -14..-2
// appear as 0xFFF2..0xFFFE.
enum class ProtocolCode : std::uint16_t {
    Success = 0x0000,                     // success
    OutOfMemory = 0x0100,                 // out of memory
    NotSupported = 0x0200,                // kind not supported, empty fill result, or zero resume offset
    CapabilityServiceMismatch = 0x0300,   // GetCapabilityResponse servicetype is not "remotesetup"
    FaxServiceMismatch = 0x0400,          // fax job response servicetype is not "fax"
    RemoteSetupServiceMismatch = 0x0500,  // remotesetup job or data response servicetype mismatch
    DeviceUseOtherJob = 0x1000,           // "DeviceUseOtherJob"
    ParameterError = 0x1100,              // "ParameterError"
    NotSupportedService = 0x1200,         // "NotSupportedService"
    NotSupportedOperation = 0x1300,       // "NotSupportedOperation"
    NotStart = 0x1400,                    // "NotStart"
    IllegalJobID = 0x1500,                // "IllegalJobID"
    IllegalOperation = 0x1600,            // "IllegalOperation"
    DataError = 0x1700,                   // "DataError"
    SequenceError = 0x1800,               // "SequenceError"
    NoADFDocumentError = 0x1900,          // "NoADFDocumentError"
    MismatchDocumentSizeError = 0x1A00,   // "MismatchDocumentSizeError"
    ADFCoverOpenError = 0x1B00,           // "ADFCoverOpenError"
    DocumentTooLongError = 0x1C00,        // "DocumentTooLongError"
    ADFDocumentJamError = 0x1D00,         // "ADFDocumentJamError"
    ScannerCarriageLockError = 0x1E00,    // "ScannerCarriageLockError"
    WarmUpError = 0x1F00,                 // "WarmUpError"
    DeviceCheckError = 0x2000,            // "DeviceCheckError"
    PCScanning = 0x2100,                  // "PCScanning"
    DeviceBusy = 0x2200,                  // "DeviceBusy"
    PowerOnInitializing = 0x2300,         // "PowerOnInitializing"
    DataSizeOver = 0x2400,                // "DataSizeOver"
    TextLength = 0x2500,                  // a text length failure (SendData datasize over 7 digits)
    UnknownResponseDetail = 0x3000,       // "NG" with any other response_detail, empty included
};

// An XML engine code (0 or -14..-2) as a ProtocolCode (0xFFF2..0xFFFE).
ProtocolCode ProtocolCodeFromXml(int engine_code);

// The capability fields, in wire and record order.
enum class CapabilityField : std::size_t {
    support_data_format,
    character_code,
    keycode_type,
    max_onetouch_dial_num,
    current_onetouch_dial_num,
    max_coded_dial_num,
    current_coded_dial_num,
    max_tel_no_length,
    current_tel_no_length,
    max_name_length,
    current_name_length,
    max_email_address_length,
    current_email_address_length,
    max_user_tel_no_length,
    current_user_tel_no_length,
    max_user_name_length,
    current_user_name_length,
    max_reject_tel_num,
    current_reject_tel_num,
    max_reject_tel_no_length,
    current_reject_tel_no_length,
};

// The place of `field` in the record, counted from 0.
constexpr std::size_t CapabilityIndex(CapabilityField field) {
    return static_cast<std::size_t>(field);
}

// Number of capability fields.
inline constexpr std::size_t kCapabilityFieldCount =
    CapabilityIndex(CapabilityField::current_reject_tel_no_length) + 1;

// Every capability field, in order, for walking the record.
inline constexpr std::array<CapabilityField, kCapabilityFieldCount> kCapabilityFields = [] {
    std::array<CapabilityField, kCapabilityFieldCount> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = static_cast<CapabilityField>(i);
    return fields;
}();

// The capability fields' element names (without `ivec:`), in the order of CapabilityField.
inline constexpr std::array<std::string_view, kCapabilityFieldCount> kCapabilityFieldNames = {
    "support_data_format",
    "character_code",
    "keycode_type",
    "max_onetouch_dial_num",
    "current_onetouch_dial_num",
    "max_coded_dial_num",
    "current_coded_dial_num",
    "max_tel_no_length",
    "current_tel_no_length",
    "max_name_length",
    "current_name_length",
    "max_email_address_length",
    "current_email_address_length",
    "max_user_tel_no_length",
    "current_user_tel_no_length",
    "max_user_name_length",
    "current_user_name_length",
    "max_reject_tel_num",
    "current_reject_tel_num",
    "max_reject_tel_no_length",
    "current_reject_tel_no_length",
};

// The element name of `field`.
constexpr std::string_view CapabilityFieldName(CapabilityField field) {
    return kCapabilityFieldNames[CapabilityIndex(field)];
}

// The 21 capability texts in the order of CapabilityField.
using CapabilityTexts = std::array<std::string, kCapabilityFieldCount>;

// The text of `field` in `texts`.
inline std::string& CapabilityText(CapabilityTexts& texts, CapabilityField field) {
    return texts[CapabilityIndex(field)];
}
inline const std::string& CapabilityText(const CapabilityTexts& texts, CapabilityField field) {
    return texts[CapabilityIndex(field)];
}

// The operation names of the responses the exchange waits for.
inline constexpr std::string_view kGetCapabilityResponse = "GetCapabilityResponse";
inline constexpr std::string_view kStartJobResponse = "StartJobResponse";
inline constexpr std::string_view kEndJobResponse = "EndJobResponse";
inline constexpr std::string_view kSendDataResponse = "SendDataResponse";
inline constexpr std::string_view kReceiveDataResponse = "ReceiveDataResponse";
// A status document the printer may slip in while the payload is awaited; it is skipped.
inline constexpr std::string_view kGetStatusResponse = "GetStatusResponse";

// Largest payload SendData can announce (its datasize has at most 7 digits).
inline constexpr std::size_t kMaxSendDataSize = 9'999'999;

// StartJob for kind Fax or RemoteSetup with the bidi text ("1" in the remote-setup exchange).
// Other kinds: NotSupported, no document.
ProtocolCode BuildStartJob(ServiceKind kind, std::string_view bidi, std::string* document);

// EndJob for kind Fax or RemoteSetup with the job ID of the StartJobResponse.
ProtocolCode BuildEndJob(ServiceKind kind, std::string_view job_id, std::string* document);

// GetCapability for kind Device or RemoteSetup.
ProtocolCode BuildGetCapability(ServiceKind kind, std::string* document);

// SendData for kind RemoteSetup; `format` is the printer's support_data_format and `datasize` the
// payload's byte count. The payload is written directly after the document. A datasize above
// kMaxSendDataSize gives TextLength.
ProtocolCode BuildSendData(ServiceKind kind, std::string_view job_id, std::string_view format,
                           std::size_t datasize, std::string* document);

// ReceiveData for kind RemoteSetup.
ProtocolCode BuildReceiveData(ServiceKind kind, std::string_view job_id, std::string_view format,
                              std::string* document);

// The capability response as the printer writes it (directory files store it with response "OK").
// Kind RemoteSetup only. An empty field keeps its `%s` placeholder. A document over 2048 bytes gives
// ProtocolCodeFromXml(-12) (0xFFF4).
ProtocolCode BuildGetCapabilityResponse(ServiceKind kind, std::string_view response,
                                        const CapabilityTexts& capability, std::string* document);

// Copies the document's operation name into `*operation` (empty when it has none). When given,
// `*document_end` receives the offset in `received` just past the document's `</cmd>` (0 when the
// root never closes), where a payload that shares the read begins.
ProtocolCode ReadOperation(std::string_view received, std::string* operation,
                           std::size_t* document_end = nullptr);

// Checks a StartJobResponse or EndJobResponse of kind Fax or RemoteSetup: the servicetype, then
// "NG" with its response_detail. Any other response text succeeds. For StartJob the job ID is
// copied into `*job_id` on success.
ProtocolCode ParseJobResponse(ServiceKind kind, JobKind job, std::string_view received, std::string* job_id);

// Checks a GetCapabilityResponse and, when its operation is "GetCapabilityResponse", copies the 21
// field texts into `*capability` (a missing field gives an empty text). Another operation gives
// Success with `*capability` untouched.
ProtocolCode ParseCapabilityResponse(std::string_view received, CapabilityTexts* capability);

// Checks a SendDataResponse or ReceiveDataResponse of kind RemoteSetup.
ProtocolCode ParseDataResponse(ServiceKind kind, std::string_view received);

// The code of a response_detail text (exact, case-sensitive); UnknownResponseDetail otherwise.
ProtocolCode MapResponseDetail(std::string_view detail);

}  // namespace orvane
