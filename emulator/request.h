// Request documents as the printer reads them, and the framer that cuts them (with their payload)
// out of the byte stream.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::sim {

// Path of the common namespace URI; its host is whatever the computer writes.
inline constexpr std::string_view kCommonNamespacePath = "/ns/cmd/2008/07/common/";

// Largest SendData payload the printer accepts.
inline constexpr std::size_t kMaxDataSize = 9999999;

// One request document as the printer understood it.
struct Request {
    std::string operation;      // text of contents/operation
    std::string service_type;   // servicetype attribute of contents/param_set, without quotes
    std::string namespace_uri;  // the URI the document bound its common namespace prefix to
    std::optional<std::string> job_id;
    std::optional<std::string> format;
    std::optional<std::string> data_size;
    std::string error;  // why the document is not a well-formed request; empty when it is
};

// Parses one request document (declaration to `</cmd>`). Elements must use a prefix bound to the
// common namespace. A document that parses but lacks parts gets `error` set and the parts it has.
Request ParseRequest(std::string_view document);

// The SendData payload length announced by a request, or nothing when it is not a plain decimal
// number within kMaxDataSize.
std::optional<std::size_t> AnnouncedDataSize(const Request& request);

// One complete request taken from the byte stream, with the payload that followed it.
struct ReceivedRequest {
    Request request;
    std::string payload;
    std::size_t skipped = 0;  // stray bytes dropped ahead of the document
};

// Cuts the printer's input stream into requests: skips bytes ahead of `<?xml`, waits for `</cmd>`
// and, for SendData, for the announced payload.
class RequestFramer {
  public:
    // Appends received bytes.
    void Append(std::string_view bytes) { buffer_.append(bytes); }
    // The next complete request, or nothing while more bytes are needed.
    std::optional<ReceivedRequest> Next();
    // Bytes held that are not yet a complete request.
    std::size_t Pending() const { return buffer_.size(); }

  private:
    std::string buffer_;
    std::size_t skipped_ = 0;
};

}  // namespace orvane::sim
