// Replays libFuzzer corpora without libFuzzer: `replay TARGET PATH...` feeds every file named, or found
// in a folder named, once to the fuzz target TARGET (see fuzz_target.h). A crash or sanitizer report
// fails the run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "fuzz_replay.h"

namespace orvane::testsupport {
namespace {

std::map<std::string, FuzzEntry>& Targets() {
    static std::map<std::string, FuzzEntry> targets;
    return targets;
}

void ReplayFile(FuzzEntry entry, const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    entry(bytes.data(), bytes.size());
}

// Replays `root`, a file or every file below a folder; returns how many inputs it fed.
std::size_t Replay(FuzzEntry entry, const std::filesystem::path& root) {
    if (!std::filesystem::is_directory(root)) {
        ReplayFile(entry, root);
        return 1;
    }
    std::size_t replayed = 0;
    for (const auto& file : std::filesystem::recursive_directory_iterator(root)) {
        if (!file.is_regular_file()) continue;
        ReplayFile(entry, file.path());
        ++replayed;
    }
    return replayed;
}

}  // namespace

bool RegisterFuzzTarget(const char* target, FuzzEntry entry) {
    return Targets().emplace(target, entry).second;
}

}  // namespace orvane::testsupport

int main(int argc, char** argv) {
    using namespace orvane::testsupport;
    const auto target = Targets().find(argc > 1 ? argv[1] : "");
    if (target == Targets().end()) {
        std::fprintf(stderr, "usage: %s TARGET PATH...; the targets:\n", argv[0]);
        for (const auto& [name, entry] : Targets()) std::fprintf(stderr, "%s\n", name.c_str());
        return 2;
    }
    std::size_t replayed = 0;
    for (int i = 2; i < argc; ++i) replayed += Replay(target->second, argv[i]);
    std::printf("replayed %zu inputs\n", replayed);
    return replayed > 0 ? 0 : 1;
}
