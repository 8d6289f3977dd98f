// Port monitor back end (family 1): a monitor module's MONITOR table drives the port.
#pragma once

#include <cstdint>
#include <string>

#include "transport/internal/monitor_table.h"
#include "transport/internal/port_back_end.h"
#include "transport/loaded_module.h"

namespace orvane {

// One port opened through a monitor module.
class MonitorPort : public PortBackEnd {
  public:
    MonitorPort() = default;
    ~MonitorPort() override;
    MonitorPort(const MonitorPort&) = delete;
    MonitorPort& operator=(const MonitorPort&) = delete;

    // Loads `module_name` (MonitorModulePath), checks its table, opens the port and starts a
    // document. Returns 0 or kGeneralFailure; a failure leaves nothing open or loaded.
    uint32_t Open(const std::string& module_name, const std::string& port_name);

    // WritePort, called again at once while it fails with ORVANE_ERROR_IO_DEVICE and the time-out
    // (0: no retries) has not passed. Codes kWriteTimeout (device error) or kGeneralFailure.
    bool Write(const uint8_t* data, uint32_t length, uint32_t* written, uint32_t timeout_ms) override;

    // ReadPort; kReadPortFailed on failure. The time-out is not used.
    bool Read(uint8_t* buffer, uint32_t length, uint32_t* read, uint32_t timeout_ms) override;

  private:
    bool TableIsComplete() const;
    void Close();

    LoadedModule module_;
    MONITOR table_{};
    void* port_ = nullptr;
};

}  // namespace orvane
