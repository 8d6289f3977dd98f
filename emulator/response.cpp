#include "emulator/response.h"

namespace orvane::sim {
namespace {

constexpr std::size_t kBlock = 4096;

std::string Escape(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Element(const std::string& p, std::string_view name, std::string_view text) {
    const std::string tag = p + ":" + std::string(name);
    return "<" + tag + ">" + Escape(text) + "</" + tag + ">";
}

}  // namespace

std::string BuildResponse(const ResponseStyle& style, std::string_view operation,
                          std::string_view service_type, const Outcome& outcome,
                          const std::vector<std::pair<std::string, std::string>>& fields) {
    const std::string& p = style.prefix;
    std::string doc = "<?xml version=\"1.0\" encoding=\"utf-8\" ?><cmd xmlns:" + p + "=\"" +
                      style.namespace_uri + "\"><" + p + ":contents>" + Element(p, "operation", operation) +
                      "<" + p + ":param_set servicetype=\"" + Escape(service_type) + "\">" +
                      Element(p, "response", outcome.IsOk() ? "OK" : "NG");
    doc += outcome.IsOk() ? "<" + p + ":response_detail/>" : Element(p, "response_detail", outcome.detail);
    for (const auto& [name, value] : fields) doc += Element(p, name, value);
    return doc + "</" + p + ":param_set></" + p + ":contents></cmd>";
}

std::string BuildStatusDocument(const ResponseStyle& style) {
    return BuildResponse(style, "GetStatusResponse", "device", Outcome::Ok(), {{"status", "idle"}});
}

void PadToBlock(std::string& document, std::size_t trailing) {
    const std::size_t pad = (kBlock - (document.size() + trailing) % kBlock) % kBlock;
    // White space before the root's end tag is skipped by any reader.
    const std::size_t at = document.rfind("</cmd>");
    document.insert(at == std::string::npos ? document.size() : at, pad, ' ');
}

}  // namespace orvane::sim
