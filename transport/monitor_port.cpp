#include "transport/internal/monitor_port.h"

#include <cerrno>
#include <chrono>

#include "transport/internal/last_error.h"
#include "transport/transport_codes.h"

namespace orvane {

MonitorPort::~MonitorPort() {
    Close();
}

bool MonitorPort::TableIsComplete() const {
    return table_.pfnOpenPort != nullptr && table_.pfnStartDocPort != nullptr &&
           table_.pfnWritePort != nullptr && table_.pfnReadPort != nullptr &&
           table_.pfnEndDocPort != nullptr && table_.pfnClosePort != nullptr &&
           table_.pfnDeletePort != nullptr;
}

uint32_t MonitorPort::Open(const std::string& module_name, const std::string& port_name) {
    module_ = LoadedModule::Load(MonitorModulePath(module_name));
    const auto initialize = reinterpret_cast<InitializeMonitorExFn>(module_.Symbol("InitializeMonitorEx"));
    table_ = MONITOR{};
    std::string name = port_name;  // the table takes writable texts
    void* port = nullptr;
    if (initialize == nullptr || !initialize(nullptr, &table_) || !TableIsComplete() ||
        !table_.pfnOpenPort(name.data(), &port)) {
        module_.Unload();
        return transport_code::kGeneralFailure;
    }
    DOC_INFO_2 document{};
    if (!table_.pfnStartDocPort(port, nullptr, 0, 2, reinterpret_cast<uint8_t*>(&document))) {
        table_.pfnClosePort(port);
        module_.Unload();
        return transport_code::kGeneralFailure;
    }
    port_ = port;
    return transport_code::kSuccess;
}

void MonitorPort::Close() {
    if (port_ != nullptr) {
        table_.pfnEndDocPort(port_);
        table_.pfnClosePort(port_);
    }
    port_ = nullptr;
    module_.Unload();
}

bool MonitorPort::Write(const uint8_t* data, uint32_t length, uint32_t* written, uint32_t timeout_ms) {
    const auto start = std::chrono::steady_clock::now();
    const bool retries_allowed = timeout_ms != 0;
    for (;;) {
        *written = 0;
        errno = 0;
        if (table_.pfnWritePort(port_, const_cast<uint8_t*>(data), length, written)) return true;
        const bool device_error = errno == ORVANE_ERROR_IO_DEVICE;
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (device_error && retries_allowed && elapsed <= std::chrono::milliseconds(timeout_ms)) continue;
        SetTransportLastError(device_error ? transport_code::kWriteTimeout : transport_code::kGeneralFailure);
        return false;
    }
}

bool MonitorPort::Read(uint8_t* buffer, uint32_t length, uint32_t* read, uint32_t) {
    *read = 0;
    if (table_.pfnReadPort(port_, buffer, length, read)) return true;
    SetTransportLastError(transport_code::kReadPortFailed);
    return false;
}

}  // namespace orvane
