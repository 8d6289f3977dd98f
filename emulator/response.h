// Response documents the printer writes: the answer to a request, an unrelated status report,
// and the padding to whole blocks.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane::sim {

// How the printer writes its documents: the prefix it binds to the common namespace and the URI.
struct ResponseStyle {
    std::string prefix = "ivec";
    std::string namespace_uri;
};

// The outcome a response reports: "OK", or "NG" with a response_detail.
struct Outcome {
    std::string detail;  // empty for OK

    static Outcome Ok() { return {}; }
    static Outcome Ng(std::string detail) { return {std::move(detail)}; }
    bool IsOk() const { return detail.empty(); }
};

// Builds a response document on one line: the operation, servicetype, response and response_detail,
// then the given elements in order (texts escaped).
std::string BuildResponse(const ResponseStyle& style, std::string_view operation,
                          std::string_view service_type, const Outcome& outcome,
                          const std::vector<std::pair<std::string, std::string>>& fields);

// A status report the printer sends on its own ("GetStatusResponse").
std::string BuildStatusDocument(const ResponseStyle& style);

// Widens the document with white space between tags so that document plus `trailing` bytes is a
// multiple of 4096 bytes.
void PadToBlock(std::string& document, std::size_t trailing);

}  // namespace orvane::sim
