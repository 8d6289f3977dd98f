#include "process_memory.h"

#include <fstream>
#include <string>

double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string key; status >> key;) {
        if (key == "VmRSS:") {
            double kilobytes = -1;
            status >> kilobytes;
            return kilobytes < 0 ? -1 : kilobytes / 1024;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}
