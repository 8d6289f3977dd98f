#include "cli/device_target.h"

#include "cli/printer_lookup.h"

namespace orvane::cli {

std::string DeviceTarget::Description() const {
    return named ? "the printer \"" + printer_name + "\" on " + port : "the printer on " + port;
}

bool ResolveDevice(const Source& device, std::optional<std::uint16_t> product_id, DeviceTarget* target,
                   std::string* error) {
    if (device.kind == Source::Kind::Port) {
        // The port name also serves as the printer name, which the exchange requires.
        *target = {device.value, device.value, false, product_id};
        return true;
    }
    SupportedPrinter printer;
    if (!FindSupportedPrinter(device.value, &printer, error)) return false;
    *target = {printer.name, printer.port, true, product_id.value_or(printer.product_id)};
    return true;
}

RsResult ReadDevice(CRSUFuncRemoteSetup& setup, const DeviceTarget& target) {
    RsResult result = setup.SetPrinterName(target.printer_name.c_str());
    if (result == rs::kSuccess) result = setup.SetPortName(target.port.c_str());
    return result == rs::kSuccess ? setup.ReadFromDevice() : result;
}

}  // namespace orvane::cli
