// Every fuzz target of a tree in one replay program. Each target's source is compiled with its entry
// point renamed (-DLLVMFuzzerTestOneInput=<unique name>), its name in ORVANE_FUZZ_TARGET, and this
// header before it, which registers the renamed entry point under the target's name.
#pragma once

#include "fuzz_replay.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

[[maybe_unused]] static const bool kOrvaneFuzzTargetRegistered =
    orvane::testsupport::RegisterFuzzTarget(ORVANE_FUZZ_TARGET, &LLVMFuzzerTestOneInput);
