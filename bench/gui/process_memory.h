// What this process holds in memory.
#pragma once

// The resident set (VmRSS of /proc/self/status) in MiB; negative when it cannot be read.
double ResidentMegabytes();
