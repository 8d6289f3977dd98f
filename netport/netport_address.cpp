#include "netport/internal/netport_address.h"

#include "netport/vlmnppm.h"

namespace orvane::netport {
namespace {

bool ParseTcpPort(std::string_view text, uint16_t* port) {
    if (text.empty() || text.size() > 5) return false;
    uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    if (value == 0 || value > 65535) return false;
    *port = static_cast<uint16_t>(value);
    return true;
}

}  // namespace

bool ParsePortName(std::string_view name, std::string* host, uint16_t* port) {
    constexpr std::string_view kPrefix = "VLNETP_";
    if (!name.starts_with(kPrefix)) return false;
    name.remove_prefix(kPrefix.size());
    std::string_view rest;
    if (name.starts_with("[")) {
        const size_t close = name.find(']');
        if (close == std::string_view::npos) return false;
        *host = std::string(name.substr(1, close - 1));
        rest = name.substr(close + 1);
        if (host->find_first_not_of("0123456789abcdefABCDEF:.") != std::string::npos) return false;
    } else {
        const size_t colon = name.find(':');
        *host = std::string(name.substr(0, colon));
        rest = colon == std::string_view::npos ? std::string_view() : name.substr(colon);
        if (host->find_first_of("[]/ ") != std::string::npos) return false;
    }
    if (host->empty()) return false;
    *port = VLMNPPM_DEFAULT_TCP_PORT;
    if (rest.empty()) return true;
    return rest.front() == ':' && ParseTcpPort(rest.substr(1), port);
}

}  // namespace orvane::netport
