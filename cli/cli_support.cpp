#include "cli/cli_support.h"

#include "cli/result_messages.h"

#include <cstdio>

namespace orvane::cli {
namespace {

std::string CodeText(RsResult code) {
    char text[16];
    // The outcome codes read best in hexadecimal, the small failure codes in decimal.
    std::snprintf(text, sizeof text, code >= rs::kOtherProduct ? "0x%08x" : "%u",
                  static_cast<unsigned>(code));
    return text;
}

}  // namespace

int Fail(std::ostream& err, const std::string& doing, RsResult code, std::string_view advice) {
    err << "orvane-cli: " << doing << ": " << ResultMessage(code) << " (code " << CodeText(code) << ")";
    if (!advice.empty()) err << " " << advice;
    err << "\n";
    return kExitFailure;
}

int FailWith(std::ostream& err, const std::string& message) {
    err << "orvane-cli: " << message << "\n";
    return kExitFailure;
}

std::string ProductText(std::uint16_t product_id) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04x", static_cast<unsigned>(product_id));
    return text;
}

}  // namespace orvane::cli
