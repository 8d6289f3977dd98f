// Network back end: a connection through the network port library's entry table.
#pragma once

#include <cstdint>
#include <string>

#include "transport/internal/port_back_end.h"
#include "transport/loaded_module.h"
#include "transport/netpap_table.h"
#include "transport/os_family.h"

namespace orvane {

// Pause after a ready printer failed its first read, before the open reports it busy.
inline constexpr uint32_t kNetworkBusyPauseMs = 8000;

// The loaded network port library with its checked entry table.
class NetworkPortLibrary {
  public:
    NetworkPortLibrary() = default;
    NetworkPortLibrary(const NetworkPortLibrary&) = delete;
    NetworkPortLibrary& operator=(const NetworkPortLibrary&) = delete;
    ~NetworkPortLibrary();

    // Loads the library (NetworkPortLibraryPath) and checks its table: size covering every entry
    // and no null entry. Returns false, with everything given back, when any step fails.
    bool Load();

    // Gives the table back and unloads the library.
    void Unload();

    // The checked table; valid only after a successful Load.
    const NetPapTable& Table() const { return *table_; }

  private:
    LoadedModule module_;
    const NetPapTable* table_ = nullptr;
    UninitializeNETPAPFn uninitialize_ = nullptr;
};

// One open network port.
class NetworkPort : public PortBackEnd {
  public:
    // `hooks` must outlive the port.
    explicit NetworkPort(const TransportHooks& hooks) : hooks_(hooks) {}
    ~NetworkPort() override;
    NetworkPort(const NetworkPort&) = delete;
    NetworkPort& operator=(const NetworkPort&) = delete;

    // Loads the library, connects and checks the printer (status with kFlagCheckNetworkStatus,
    // else one read). Returns 0, kGeneralFailure or kNetworkPrinterBusy; a failure leaves nothing open.
    uint32_t Open(const std::string& port_name, uint32_t flags);

    // Writes at most 4096 bytes; kGeneralFailure when the library fails. The time-out is not used.
    bool Write(const uint8_t* data, uint32_t length, uint32_t* written, uint32_t timeout_ms) override;

    // Reads up to `length` bytes; kGeneralFailure when the library fails. The time-out is not used.
    bool Read(uint8_t* buffer, uint32_t length, uint32_t* read, uint32_t timeout_ms) override;

  private:
    uint32_t CheckPrinter(uint32_t flags);
    uint32_t CheckStatus();
    bool ReadOnce();
    void Close();

    const TransportHooks& hooks_;
    NetworkPortLibrary library_;
    void* handle_ = nullptr;
};

}  // namespace orvane
