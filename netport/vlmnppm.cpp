#include "netport/vlmnppm.h"

#include <new>
#include <string>

#include "netport/internal/netport_address.h"
#include "netport/internal/netport_connection.h"

namespace orvane::netport {
namespace {

constexpr int kConnectTimeoutMs = 5000;
constexpr int kReadWaitMs = 500;
constexpr int kStatusWaitMs = 5000;

Connection* AsConnection(void* handle) {
    return static_cast<Connection*>(handle);
}

uint32_t Open(void** handle, const char* port_name, uint32_t) {
    if (handle == nullptr || port_name == nullptr) return kNetportBadArgument;
    *handle = nullptr;
    std::string host;
    uint16_t port = 0;
    if (!ParsePortName(port_name, &host, &port)) return kNetportBadArgument;
    auto* connection = new (std::nothrow) Connection();
    if (connection == nullptr) return kNetportNoMemory;
    uint32_t result = connection->Connect(host, port, kConnectTimeoutMs);
    if (result == 0) result = connection->SendFrame('N', nullptr, 0);  // asks for nothing-more frames
    if (result != 0) {
        delete connection;
        return result;
    }
    *handle = connection;
    return 0;
}

uint32_t Close(void* handle) {
    delete AsConnection(handle);
    return 0;
}

uint32_t Write(void* handle, const void* buffer, uint32_t length, uint32_t* written) {
    if (handle == nullptr || written == nullptr || (buffer == nullptr && length > 0))
        return kNetportBadArgument;
    *written = 0;
    const uint32_t result = AsConnection(handle)->SendFrame('D', buffer, length);
    if (result == 0) *written = length;
    return result;
}

uint32_t Read(void* handle, void* buffer, uint32_t length, uint32_t* read) {
    if (handle == nullptr || read == nullptr || buffer == nullptr) return kNetportBadArgument;
    return AsConnection(handle)->ReadData(static_cast<uint8_t*>(buffer), length, read, kReadWaitMs);
}

uint32_t Status(void* handle, char* buffer, uint32_t length, uint32_t* text_length) {
    if (handle == nullptr || buffer == nullptr || length == 0 || text_length == nullptr)
        return kNetportBadArgument;
    return AsConnection(handle)->QueryStatus(buffer, length, text_length, kStatusWaitMs);
}

uint32_t Spare() {
    return 0;
}

const NetPapTable kTable = {sizeof(NetPapTable), 0, Open, Close, Write, Read, Status, Spare};

}  // namespace
}  // namespace orvane::netport

extern "C" const NetPapTable* InitializeNETPAP(void*) {
    return &orvane::netport::kTable;
}

extern "C" void UninitializeNETPAP(void) {}
