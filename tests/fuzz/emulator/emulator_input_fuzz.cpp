// Feeds arbitrary bytes to what the virtual printer reads from outside: the request stream of a link
// (documents, SendData payloads) when the first byte is even, a state file when it is odd.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "emulator/printer.h"
#include "emulator/state_file.h"

namespace {

using namespace orvane::sim;

void FeedRequests(std::string_view bytes) {
    static OperationLog log;
    PrinterSettings settings;
    settings.capability = *ProfileCapability("small");
    const Widths widths = Widths::From(settings.capability);
    Printer printer(settings, ShapeDirectory(widths, SlotOrder::CodedFirst), log);
    RequestFramer framer;
    // Two halves exercise requests cut between reads.
    framer.Append(bytes.substr(0, bytes.size() / 2));
    while (auto received = framer.Next()) printer.Handle(*received);
    framer.Append(bytes.substr(bytes.size() / 2));
    while (auto received = framer.Next()) printer.Handle(*received);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        FeedRequests(bytes);
    } else {
        Directory directory;
        ParseState(bytes, directory);
    }
    return 0;
}
