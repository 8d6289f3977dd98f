// The printer a command talks to: named by --port, or by --printer and resolved through the model
// list and the installed printers.
#pragma once

#include "cli/cli_options.h"
#include "remotesetup/remote_setup.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::cli {

struct DeviceTarget {
    std::string printer_name;                 // handed to the exchange; the port name for --port
    std::string port;                         // the port name
    bool named = false;                       // true for --printer
    std::optional<std::uint16_t> product_id;  // --product-id, or the model's product ID

    // "the printer on USB001", or "the printer "Office Fax" on USB001".
    std::string Description() const;
};

// The target for one --port or --printer source; `product_id` is --product-id. False with a one-line
// `*error` when --printer names no supported printer.
bool ResolveDevice(const Source& device, std::optional<std::uint16_t> product_id, DeviceTarget* target,
                   std::string* error);

// Sets the names of a fresh `setup` and reads the printer into it.
RsResult ReadDevice(CRSUFuncRemoteSetup& setup, const DeviceTarget& target);

}  // namespace orvane::cli
