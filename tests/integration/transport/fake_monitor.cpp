// A stand-in port monitor module whose table and answers are chosen by FAKE_MONITOR_MODE, and
// which logs every call, one line each, to the file FAKE_MONITOR_LOG. MONITOR_NAME names it.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fake_log.h"
#include "transport/internal/monitor_table.h"

namespace {

std::string Mode() {
    return EnvText("FAKE_MONITOR_MODE");
}

void Log(const std::string& line) {
    AppendToLog("FAKE_MONITOR_LOG", std::string(MONITOR_NAME) + " " + line);
}

int port_storage = 0;
int failed_writes = 0;

MonitorBool OpenPort(char* name, void** port) {
    Log(std::string("OpenPort ") + name);
    if (Mode() == "open-fails") return 0;
    *port = &port_storage;
    failed_writes = 0;
    return 1;
}

MonitorBool StartDocPort(void* port, char* printer, uint32_t job, uint32_t level, uint8_t* info) {
    const DOC_INFO_2 zero{};
    const bool zeroed = info != nullptr && std::memcmp(info, &zero, sizeof(zero)) == 0;
    Log("StartDocPort " + std::string(port == &port_storage ? "port " : "other ") +
        (printer ? "printer " : "null ") + std::to_string(job) + " " + std::to_string(level) +
        (zeroed ? " zeroed" : " junk"));
    return Mode() == "startdoc-fails" ? 0 : 1;
}

// Modes "io-N": the first N writes fail with the device error; "io-always"; "other-error".
MonitorBool WritePort(void*, uint8_t*, uint32_t size, uint32_t* written) {
    const std::string mode = Mode();
    const bool device_error = mode == "io-always" || (mode.starts_with("io-") && mode != "io-always" &&
                                                      failed_writes < std::atoi(mode.c_str() + 3));
    if (device_error || mode == "other-error") {
        ++failed_writes;
        *written = 0;
        errno = device_error ? ORVANE_ERROR_IO_DEVICE : 5;
        return 0;
    }
    Log("WritePort " + std::to_string(size) + " after " + std::to_string(failed_writes) + " failures");
    *written = size;
    return 1;
}

MonitorBool ReadPort(void*, uint8_t* buffer, uint32_t size, uint32_t* read) {
    Log("ReadPort " + std::to_string(size));
    if (Mode() == "read-fails") return 0;
    *read = std::min<uint32_t>(size, 5);
    std::memcpy(buffer, "hello", *read);
    return 1;
}

MonitorBool EndDocPort(void*) {
    Log("EndDocPort");
    return 1;
}

MonitorBool ClosePort(void*) {
    Log("ClosePort");
    return 1;
}

MonitorBool DeletePort(char*, void*, char*) {
    Log("DeletePort");
    return 1;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) MonitorBool InitializeMonitorEx(char* root,
                                                                                  MONITOR* monitor) {
    Log(root == nullptr ? "InitializeMonitorEx null" : "InitializeMonitorEx root");
    const std::string mode = Mode();
    if (mode == "init-fails") return 0;
    *monitor = MONITOR{};
    monitor->pfnOpenPort = OpenPort;
    monitor->pfnStartDocPort = StartDocPort;
    monitor->pfnWritePort = WritePort;
    monitor->pfnReadPort = ReadPort;
    monitor->pfnEndDocPort = EndDocPort;
    monitor->pfnClosePort = ClosePort;
    monitor->pfnDeletePort = DeletePort;
    if (mode == "null-OpenPort") monitor->pfnOpenPort = nullptr;
    if (mode == "null-StartDocPort") monitor->pfnStartDocPort = nullptr;
    if (mode == "null-WritePort") monitor->pfnWritePort = nullptr;
    if (mode == "null-ReadPort") monitor->pfnReadPort = nullptr;
    if (mode == "null-EndDocPort") monitor->pfnEndDocPort = nullptr;
    if (mode == "null-ClosePort") monitor->pfnClosePort = nullptr;
    if (mode == "null-DeletePort") monitor->pfnDeletePort = nullptr;
    return 1;
}
