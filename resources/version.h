// The version of the programs, from the project's build description (version.cpp.in).
#pragma once

namespace orvane {

extern const char kVersion[];

}  // namespace orvane
