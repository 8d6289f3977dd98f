// Call log of the stand-in modules: one line per call appended to the file named by an
// environment variable.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// Appends `line` to the file named by `variable`; nothing when it is unset.
inline void AppendToLog(const char* variable, const std::string& line) {
    const char* path = std::getenv(variable);
    if (path == nullptr) return;
    if (std::FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

// The value of an environment variable, empty when unset.
inline std::string EnvText(const char* variable) {
    const char* value = std::getenv(variable);
    return value ? value : "";
}
