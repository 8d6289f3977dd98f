// The fuzz targets the replay program knows (see fuzz_target.h).
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane::testsupport {

using FuzzEntry = int (*)(const std::uint8_t* data, std::size_t size);

// Adds `target` to the targets the replay program runs; the registration's value is unused.
bool RegisterFuzzTarget(const char* target, FuzzEntry entry);

}  // namespace orvane::testsupport
