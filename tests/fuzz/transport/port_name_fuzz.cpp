// Fuzzes every reading of a port name: kind, USB number, claim name and table slot, UTF-16
// conversion, and the network library's host and port split. Broken invariants abort.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "netport/internal/netport_address.h"
#include "text/utf_text.h"
#include "transport/internal/port_claim.h"
#include "transport/port_kind.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckClaimReadings(std::string_view name) {
    std::string utf16;
    const bool converted = orvane::Utf8ToUtf16Le(name, &utf16);
    Require(!converted || utf16.size() % 2 == 0);
    const std::string claim = orvane::ClaimMutexName(name);
    Require(claim.empty() == (!converted || name.empty()));
    Require(claim.empty() || (claim.starts_with("Global\\objectfilemutex_vlmshare-") && claim.size() < 256));
    int word = -1;
    int bit = -1;
    if (orvane::PortClaimTableSlot(name, &word, &bit))
        Require(word >= 0 && word <= 10 && bit >= 0 && bit < 32);
}

void CheckKindReadings(std::string_view name) {
    const int usb = orvane::UsbPortNumber(name);
    Require(usb >= -1 && usb < 128);
    const orvane::PortKind kind = orvane::ClassifyPortName(name);
    Require((kind == orvane::PortKind::Usb) == (usb >= 0));
    for (uint32_t flags : {0u, 4u, 12u}) {
        const orvane::PortKind accepted =
            orvane::AcceptedPortKind(name, orvane::OsFamily::WinXpOrLater, flags);
        Require(accepted == orvane::PortKind::None || accepted == kind);
    }
    std::string host;
    uint16_t port = 0;
    if (orvane::netport::ParsePortName(name, &host, &port)) {
        Require(!host.empty() && port != 0 && kind == orvane::PortKind::Network);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    CheckClaimReadings(name);
    CheckKindReadings(name);
    return 0;
}
