// Feeds arbitrary directory file bodies (the bytes after inversion) to the file readers: the product
// tag check, a load into a printer of one of three shapes, the two import readers on their own, and
// the set-up of an object from the file alone. A load that succeeds must leave a directory that
// saves again.
//
// Input: one byte choosing the printer (example 1 coded + 2 one-touch; bigger 3 + 4 with 2 reject
// slots; kana keycode with 8-byte numbers), then the file body.
#include "remotesetup/directory_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using orvane::CapabilityTexts;
using orvane::CRSUFuncRemoteSetup;
using orvane::DirectoryCopy;

CapabilityTexts PrinterTexts(std::uint8_t choice) {
    switch (choice % 3) {
        case 0:
            return {"RSD1", "ascii", "type2", "2", "2", "1", "1", "4", "4", "4", "4",
                    "0",    "0",     "4",     "4", "4", "4", "1", "1", "4", "4"};
        case 1:
            return {"RSD1", "ascii", "type2", "4", "4", "3", "3", "4", "4", "4", "4",
                    "0",    "0",     "4",     "4", "4", "4", "2", "2", "4", "4"};
        default:
            return {"RSD1", "ascii", "type1", "2", "2", "2", "1", "8", "6", "6", "5",
                    "0",    "0",     "5",     "5", "6", "3", "3", "0", "4", "4"};
    }
}

// A printer as after a read: Working with slot IDs "*00".. and "01".., reject slots "01"...
bool PreparePrinter(CRSUFuncRemoteSetup& setup, std::uint8_t choice) {
    if (setup.ApplyCapability(PrinterTexts(choice)) != orvane::rs::kSuccess ||
        setup.AllocateCopy(DirectoryCopy::Working) != orvane::rs::kSuccess) {
        return false;
    }
    orvane::DirectoryData& working = *setup.Copy(DirectoryCopy::Working);
    const int coded = setup.Capability().current_coded_dial_num;
    for (std::size_t i = 0; i < working.entries.size(); ++i) {
        const int index = static_cast<int>(i);
        const bool is_coded = index < coded;
        working.entries[i].slot_id = orvane::MakeSlotId(is_coded, is_coded ? index : index - coded + 1);
        working.entries[i].coded = is_coded;
    }
    for (std::size_t i = 0; i < working.rejects.size(); ++i) {
        orvane::StoreText(working.rejects[i].slot_id,
                          orvane::FieldText(orvane::MakeSlotId(false, static_cast<int>(i) + 1)));
    }
    return true;
}

void LoadIntoPrinter(std::string_view plain, std::uint8_t choice) {
    CRSUFuncRemoteSetup setup;
    if (!PreparePrinter(setup, choice)) __builtin_trap();
    if (setup.LoadDirectoryBytes(plain) == orvane::rs::kSuccess) {
        std::string saved;
        if (setup.EncodeDirectoryFile(0x1234, &saved) != orvane::rs::kSuccess) __builtin_trap();
        if (setup.LoadDirectoryBytes(saved) != orvane::rs::kSuccess) __builtin_trap();
    }
    if (setup.AllocateCopy(DirectoryCopy::FileImport) != orvane::rs::kSuccess) return;
    setup.ImportRejectRecords(plain, DirectoryCopy::FileImport);
    setup.ImportDialRecords(plain, DirectoryCopy::FileImport);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string_view plain(reinterpret_cast<const char*>(data) + 1, size - 1);
    orvane::CheckProductTag(plain, 0x1234);
    LoadIntoPrinter(plain, data[0]);
    CRSUFuncRemoteSetup shown;
    orvane::SetUpFromDirectoryBytes(plain, shown);
    return 0;
}
