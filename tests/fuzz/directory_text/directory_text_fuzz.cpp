// Feeds arbitrary text to the readers of the import formats (CSV, vCard, JSON and a JSON document's
// capability). What a reader accepts is fitted into a printer (merged and replacing), checked and
// compared; the fitted directory, written out again in the same format, must read back.
//
// Input: one byte choosing the format (its value modulo 3) and the printer (divided by 3, modulo
// 2: Latin 1 coded + 2 one-touch slots, or kana 2 + 2 with wider fields), then the text.
#include "directorytools/directory_check.h"
#include "directorytools/directory_csv.h"
#include "directorytools/directory_diff.h"
#include "directorytools/directory_fit.h"
#include "directorytools/directory_json.h"
#include "directorytools/directory_vcard.h"
#include "remotesetup/slot_order.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace orvane;

CapabilityTexts PrinterTexts(std::uint8_t choice) {
    if (choice % 2 == 0) {
        return {"RSD1", "ascii", "type2", "2", "2", "1", "1", "4", "4", "4", "4",
                "0",    "0",     "4",     "4", "4", "4", "1", "1", "4", "4"};
    }
    return {"RSD1", "ascii", "type1", "2", "2", "2", "2", "12", "10", "8", "6",
            "0",    "0",     "6",     "5", "6", "3", "3", "2",  "4",  "4"};
}

bool Parse(int format, std::string_view text, PortableDirectory* directory) {
    std::string error;
    bool parsed = false;
    switch (format) {
        case 0:
            parsed = ParseDirectoryCsv(text, directory, &error);
            break;
        case 1:
            parsed = ParseDirectoryVcard(text, directory, &error);
            break;
        default:
            parsed = ParseDirectoryJson(text, directory, &error);
            break;
    }
    // Every refusal names its line.
    if (!parsed && !error.starts_with("line ")) __builtin_trap();
    return parsed;
}

std::string Written(int format, const CRSUFuncRemoteSetup& setup) {
    const DirectoryData& working = *setup.Copy(DirectoryCopy::Working);
    switch (format) {
        case 0:
            return DirectoryCsv(ToPortable(working));
        case 1:
            return DirectoryVcard(ToPortable(working));
        default:
            return DirectoryJson(setup.Capability(), working);
    }
}

void FitAndCheck(int format, std::uint8_t printer, const PortableDirectory& directory, FitMode mode) {
    CRSUFuncRemoteSetup setup;
    if (setup.ApplyCapability(PrinterTexts(printer)) != rs::kSuccess ||
        setup.AllocateCopy(DirectoryCopy::Working) != rs::kSuccess) {
        __builtin_trap();
    }
    AssignSlotIds(setup.Capability(), {}, *setup.Copy(DirectoryCopy::Working));
    FitReport report;
    if (FitIntoWorking(directory, mode, setup, &report) != rs::kSuccess) __builtin_trap();
    CheckDirectory(setup.Capability(), directory);
    const PortableDirectory fitted = ToPortable(*setup.Copy(DirectoryCopy::Working));
    DiffDirectories(directory, fitted);
    // What was fitted reads back, and fitting it again changes nothing.
    PortableDirectory back;
    if (!Parse(format, Written(format, setup), &back)) __builtin_trap();
    FitReport again;
    if (FitIntoWorking(back, FitMode::Merge, setup, &again) != rs::kSuccess || !again.Clean())
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int format = data[0] % 3;
    const std::uint8_t printer = static_cast<std::uint8_t>(data[0] / 3);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (format == 2) {
        CapabilityTexts texts;
        std::string error;
        if (!ReadJsonCapability(text, &texts, &error) && !error.starts_with("line ")) __builtin_trap();
    }
    PortableDirectory directory;
    if (!Parse(format, text, &directory)) return 0;
    FitAndCheck(format, printer, directory, FitMode::Merge);
    FitAndCheck(format, printer, directory, FitMode::Replace);
    return 0;
}
