#include "transport/loaded_module.h"

#include <dlfcn.h>
#include <cstdlib>
#include <utility>

namespace orvane {
namespace {

std::string EnvOrEmpty(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

LoadedModule::LoadedModule(LoadedModule&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

LoadedModule& LoadedModule::operator=(LoadedModule&& other) noexcept {
    if (this != &other) {
        Unload();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

LoadedModule::~LoadedModule() {
    Unload();
}

LoadedModule LoadedModule::Load(const std::string& path_or_name) {
    LoadedModule module;
    module.handle_ = ::dlopen(path_or_name.c_str(), RTLD_NOW | RTLD_LOCAL);
    return module;
}

void* LoadedModule::Symbol(const char* name) const {
    return handle_ ? ::dlsym(handle_, name) : nullptr;
}

void LoadedModule::Unload() {
    if (handle_ != nullptr) ::dlclose(handle_);
    handle_ = nullptr;
}

std::string NetworkPortLibraryPath() {
    const std::string path = EnvOrEmpty("ORVANE_NETPORT_LIBRARY");
    return path.empty() ? std::string("libvlmnppm.so") : path;
}

std::string MonitorModulePath(std::string_view name) {
    const std::string file = "lib" + std::string(name) + ".so";
    const std::string dir = EnvOrEmpty("ORVANE_MONITOR_DIR");
    return dir.empty() ? file : dir + "/" + file;
}

}  // namespace orvane
