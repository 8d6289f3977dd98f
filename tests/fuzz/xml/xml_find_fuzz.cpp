// Fuzzes XmlFind and the response parsers built on it with untrusted printer bytes. The first line
// of the input is one extra query path; the rest is the received text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/job_protocol.h"
#include "protocol/xml_engine.h"

namespace {

using namespace orvane;

void CheckSlots(const XmlMatchSet& set) {
    for (const XmlSlot& slot : set.slots) {
        if (slot.offset > set.document.size() || slot.length > set.document.size() - slot.offset)
            std::abort();
    }
}

void FindWithResume(std::string_view text, const std::vector<XmlQuery>& queries) {
    XmlMatchSet set;
    std::size_t resume = 0;
    int rc = XmlFind(text, queries, resume, &set);
    while (rc == kXmlResume) {
        if (set.resume_offset <= resume || set.resume_offset >= text.size()) std::abort();
        resume = set.resume_offset;
        rc = XmlFind(text, queries, resume, &set);
    }
    if (rc != kXmlOk && rc != kXmlQueryWithoutPath &&
        (rc > kXmlMissingArgument || rc < kXmlSpaceAfterXmlns)) {
        std::abort();
    }
    CheckSlots(set);
    for (std::size_t i = 0; i < set.slots.size(); ++i) (void)set.Value(i);
}

void ParseAll(std::string_view text) {
    std::string value;
    std::size_t end = 0;
    ReadOperation(text, &value, &end);
    if (end > text.size()) std::abort();
    CapabilityTexts capability;
    ParseCapabilityResponse(text, &capability);
    ParseJobResponse(ServiceKind::RemoteSetup, JobKind::StartJob, text, &value);
    ParseJobResponse(ServiceKind::Fax, JobKind::EndJob, text, &value);
    ParseDataResponse(ServiceKind::RemoteSetup, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view extra =
        newline == std::string_view::npos ? std::string_view() : input.substr(0, newline);
    const std::string_view text = newline == std::string_view::npos ? input : input.substr(newline + 1);
    const std::vector<XmlQuery> queries = {
        {"cmd", {}},
        {"cmd/ivec:contents/ivec:operation", {}},
        {"cmd/ivec:contents/ivec:param_set servicetype", {}},
        {"cmd/ivec:contents/ivec:param_set servicetype=\"remotesetup\"/ivec:response", {}},
        {std::string(extra), {}},
    };
    FindWithResume(text, queries);
    ParseAll(text);
    return 0;
}
