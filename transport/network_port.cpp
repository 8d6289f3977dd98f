#include "transport/internal/network_port.h"

#include <dlfcn.h>
#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "transport/internal/last_error.h"
#include "transport/port_kind.h"
#include "transport/transport_codes.h"

namespace orvane {
namespace {

constexpr uint32_t kCheckBufferSize = 4096;
constexpr uint32_t kPauseAfterOpenMs = 100;

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    const auto found = std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
    });
    return found != text.end();
}

bool ContainsAny(std::string_view text, std::initializer_list<std::string_view> parts) {
    return std::any_of(parts.begin(), parts.end(),
                       [&](std::string_view part) { return ContainsIgnoringCase(text, part); });
}

bool TableIsComplete(const NetPapTable* table) {
    return table != nullptr && table->size >= sizeof(NetPapTable) && table->open != nullptr &&
           table->close != nullptr && table->write != nullptr && table->read != nullptr &&
           table->status != nullptr && table->spare != nullptr;
}

}  // namespace

NetworkPortLibrary::~NetworkPortLibrary() {
    Unload();
}

bool NetworkPortLibrary::Load() {
    module_ = LoadedModule::Load(NetworkPortLibraryPath());
    const auto initialize = reinterpret_cast<InitializeNETPAPFn>(module_.Symbol("InitializeNETPAP"));
    uninitialize_ = reinterpret_cast<UninitializeNETPAPFn>(module_.Symbol("UninitializeNETPAP"));
    if (initialize == nullptr || uninitialize_ == nullptr) {
        Unload();
        return false;
    }
    // The program's own module stands for the application's executable; it is never unloaded.
    void* program = ::dlopen(nullptr, RTLD_NOW);
    table_ = initialize(program);
    if (program != nullptr) ::dlclose(program);
    if (!TableIsComplete(table_)) {
        Unload();
        return false;
    }
    return true;
}

void NetworkPortLibrary::Unload() {
    if (table_ != nullptr && uninitialize_ != nullptr) uninitialize_();
    table_ = nullptr;
    uninitialize_ = nullptr;
    module_.Unload();
}

NetworkPort::~NetworkPort() {
    Close();
}

uint32_t NetworkPort::Open(const std::string& port_name, uint32_t flags) {
    if (!library_.Load()) return transport_code::kGeneralFailure;
    void* handle = nullptr;
    if (library_.Table().open(&handle, port_name.c_str(), 0) != 0 || handle == nullptr) {
        library_.Unload();
        return transport_code::kGeneralFailure;
    }
    handle_ = handle;
    const uint32_t code = CheckPrinter(flags);
    if (code != transport_code::kSuccess) {
        Close();
        return code;
    }
    Pause(hooks_, kPauseAfterOpenMs);
    return transport_code::kSuccess;
}

uint32_t NetworkPort::CheckPrinter(uint32_t flags) {
    if ((flags & kFlagCheckNetworkStatus) == 0) {
        return ReadOnce() ? transport_code::kSuccess : transport_code::kGeneralFailure;
    }
    return CheckStatus();
}

uint32_t NetworkPort::CheckStatus() {
    std::array<char, kCheckBufferSize> text{};
    uint32_t text_length = 0;
    if (library_.Table().status(handle_, text.data(), kCheckBufferSize, &text_length) != 0) {
        return transport_code::kGeneralFailure;
    }
    text.back() = '\0';
    const std::string_view status(text.data());
    if (ContainsAny(status, {"STA:19;", "STA:11;", "STA:30;"})) return transport_code::kNetworkPrinterBusy;
    if (!ContainsAny(status, {"STA:20;", "STA:10;"})) return transport_code::kGeneralFailure;
    if (ReadOnce()) return transport_code::kSuccess;
    Pause(hooks_, kNetworkBusyPauseMs);
    return transport_code::kNetworkPrinterBusy;
}

bool NetworkPort::ReadOnce() {
    std::array<uint8_t, kCheckBufferSize> buffer{};
    uint32_t count = 0;
    return library_.Table().read(handle_, buffer.data(), kCheckBufferSize, &count) == 0;
}

void NetworkPort::Close() {
    if (handle_ != nullptr) library_.Table().close(handle_);
    handle_ = nullptr;
    library_.Unload();
}

bool NetworkPort::Write(const uint8_t* data, uint32_t length, uint32_t* written, uint32_t) {
    *written = 0;
    const uint32_t chunk = std::min(length, kWriteChunkSize);
    if (library_.Table().write(handle_, data, chunk, written) == 0) return true;
    SetTransportLastError(transport_code::kGeneralFailure);
    return false;
}

bool NetworkPort::Read(uint8_t* buffer, uint32_t length, uint32_t* read, uint32_t) {
    *read = 0;
    if (library_.Table().read(handle_, buffer, length, read) == 0) return true;
    SetTransportLastError(transport_code::kGeneralFailure);
    return false;
}

}  // namespace orvane
