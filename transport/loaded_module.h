// A shared library loaded at run time, and where the transport finds its run-time modules.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// One dlopen()ed library. Move-only; the destructor unloads it.
class LoadedModule {
  public:
    LoadedModule() = default;
    LoadedModule(LoadedModule&& other) noexcept;
    LoadedModule& operator=(LoadedModule&& other) noexcept;
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;
    ~LoadedModule();

    // Loads a library by path, or by file name through the program's library search path.
    // The result is not loaded when dlopen fails.
    static LoadedModule Load(const std::string& path_or_name);

    bool IsLoaded() const { return handle_ != nullptr; }

    // The address of an exported symbol, or null.
    void* Symbol(const char* name) const;

    // Unloads the library; harmless when it is not loaded.
    void Unload();

  private:
    void* handle_ = nullptr;
};

// The network port library: $ORVANE_NETPORT_LIBRARY, else "libvlmnppm.so" found through the
// program's run path (the build tree's library folder, or the installed library folder).
std::string NetworkPortLibraryPath();

// A port monitor module by name ("sysfmon", "Portvane"): lib<name>.so in $ORVANE_MONITOR_DIR, else
// lib<name>.so found through the program's run path.
std::string MonitorModulePath(std::string_view name);

}  // namespace orvane
