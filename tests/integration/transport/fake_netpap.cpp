// A stand-in network port library whose table and answers are chosen by FAKE_NETPAP_MODE and
// FAKE_NETPAP_STATUS, and which logs every call, one line each, to the file FAKE_NETPAP_LOG.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fake_log.h"
#include "transport/netpap_table.h"

namespace {

std::string Mode() {
    return EnvText("FAKE_NETPAP_MODE");
}

void Log(const std::string& line) {
    AppendToLog("FAKE_NETPAP_LOG", line);
}

int handle_storage = 0;

uint32_t Open(void** handle, const char* port_name, uint32_t reserved) {
    Log(std::string("open ") + port_name + " " + std::to_string(reserved));
    if (Mode() == "open-fails") return 5;
    *handle = Mode() == "open-no-handle" ? nullptr : &handle_storage;
    return 0;
}

uint32_t Close(void*) {
    Log("close");
    return 0;
}

uint32_t Write(void*, const void*, uint32_t length, uint32_t* written) {
    Log("write " + std::to_string(length));
    if (Mode() == "write-fails") return 6;
    *written = length;
    return 0;
}

uint32_t Read(void*, void* buffer, uint32_t length, uint32_t* read) {
    Log("read " + std::to_string(length));
    if (Mode() == "read-fails") return 7;
    const char* answer = "answer";
    *read = std::min<uint32_t>(length, 6);
    std::memcpy(buffer, answer, *read);
    return 0;
}

uint32_t Status(void*, char* buffer, uint32_t length, uint32_t* text_length) {
    Log("status " + std::to_string(length));
    if (Mode() == "status-fails") return 8;
    const char* text = std::getenv("FAKE_NETPAP_STATUS");
    std::snprintf(buffer, length, "%s", text ? text : "");
    *text_length = static_cast<uint32_t>(std::strlen(buffer));
    return 0;
}

uint32_t Spare() {
    return 0;
}

NetPapTable table;

}  // namespace

extern "C" __attribute__((visibility("default"))) const NetPapTable* InitializeNETPAP(void* module) {
    Log(module != nullptr ? "init module" : "init null");
    const std::string mode = Mode();
    if (mode == "no-table") return nullptr;
    table = NetPapTable{sizeof(NetPapTable), 0, Open, Close, Write, Read, Status, Spare};
    if (mode == "small-table") table.size = sizeof(NetPapTable) - 1;
    if (mode == "null-open") table.open = nullptr;
    if (mode == "null-close") table.close = nullptr;
    if (mode == "null-write") table.write = nullptr;
    if (mode == "null-read") table.read = nullptr;
    if (mode == "null-status") table.status = nullptr;
    if (mode == "null-spare") table.spare = nullptr;
    return &table;
}

#ifndef FAKE_NETPAP_NO_UNINITIALIZE
extern "C" __attribute__((visibility("default"))) void UninitializeNETPAP(void) {
    Log("uninit");
}
#endif
