#include "emulator/request.h"

#include <algorithm>
#include <pugixml.hpp>

namespace orvane::sim {
namespace {

constexpr std::string_view kDeclaration = "<?xml";
constexpr std::string_view kRootEnd = "</cmd>";
// A document that grows past this without `</cmd>` is junk.
constexpr std::size_t kMaxDocument = 64 * 1024;

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// The prefix that `root` binds to the common namespace, or nothing.
std::optional<std::string> CommonPrefix(const pugi::xml_node& root, std::string& uri) {
    for (const auto& attribute : root.attributes()) {
        const std::string_view name = attribute.name();
        if (name.substr(0, 6) == "xmlns:" && EndsWith(attribute.value(), kCommonNamespacePath)) {
            uri = attribute.value();
            return std::string(name.substr(6));
        }
    }
    return std::nullopt;
}

std::optional<std::string> ChildText(const pugi::xml_node& parent, const std::string& name) {
    const pugi::xml_node child = parent.child(name.c_str());
    if (!child) return std::nullopt;
    return std::string(child.text().get());
}

}  // namespace

Request ParseRequest(std::string_view document) {
    Request request;
    pugi::xml_document xml;
    const pugi::xml_parse_result parsed =
        xml.load_buffer(document.data(), document.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        request.error = std::string("malformed XML: ") + parsed.description();
        return request;
    }
    const pugi::xml_node root = xml.document_element();
    if (std::string_view(root.name()) != "cmd") {
        request.error = "root element is not cmd";
        return request;
    }
    const auto prefix = CommonPrefix(root, request.namespace_uri);
    if (!prefix) {
        request.error = "common namespace not declared";
        return request;
    }
    const std::string p = *prefix + ":";
    const pugi::xml_node contents = root.child((p + "contents").c_str());
    request.operation = ChildText(contents, p + "operation").value_or("");
    const pugi::xml_node params = contents.child((p + "param_set").c_str());
    request.service_type = params.attribute("servicetype").value();
    request.job_id = ChildText(params, p + "jobID");
    request.format = ChildText(params, p + "format");
    request.data_size = ChildText(params, p + "datasize");
    if (request.operation.empty()) {
        request.error = "operation missing";
    } else if (!params) {
        request.error = "param_set missing";
    }
    return request;
}

std::optional<std::size_t> AnnouncedDataSize(const Request& request) {
    const std::string& text = request.data_size.value_or("");
    if (text.empty() || text.size() > 7 || (text.size() > 1 && text[0] == '0') ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoul(text);
}

std::optional<ReceivedRequest> RequestFramer::Next() {
    std::size_t end = std::string::npos;
    while (end == std::string::npos) {
        const std::size_t start = buffer_.find(kDeclaration);
        if (start == std::string::npos) {
            // Keep a tail that may be the beginning of a declaration cut in two.
            const std::size_t keep = std::min(buffer_.size(), kDeclaration.size() - 1);
            skipped_ += buffer_.size() - keep;
            buffer_.erase(0, buffer_.size() - keep);
            return std::nullopt;
        }
        skipped_ += start;
        buffer_.erase(0, start);
        end = buffer_.find(kRootEnd);
        if (end == std::string::npos && buffer_.size() <= kMaxDocument) return std::nullopt;
        if (end == std::string::npos) {
            skipped_ += 1;
            buffer_.erase(0, 1);
        }
    }
    const std::size_t document_size = end + kRootEnd.size();
    ReceivedRequest received;
    received.request = ParseRequest(std::string_view(buffer_).substr(0, document_size));
    std::size_t payload_size = 0;
    if (received.request.operation == "SendData")
        payload_size = AnnouncedDataSize(received.request).value_or(0);
    if (buffer_.size() < document_size + payload_size) return std::nullopt;
    received.payload = buffer_.substr(document_size, payload_size);
    received.skipped = skipped_;
    skipped_ = 0;
    buffer_.erase(0, document_size + payload_size);
    return received;
}

}  // namespace orvane::sim
