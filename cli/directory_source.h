// The directories orvane-cli commands read: a printer's, a directory file's, and the text files
// that import and write take (CSV, vCard, JSON; "-" is standard input).
#pragma once

#include "cli/cli_options.h"
#include "cli/device_target.h"
#include "directorytools/portable_directory.h"
#include "remotesetup/remote_setup.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace orvane::cli {

// Where a loaded directory came from.
struct LoadedFrom {
    std::string label;                        // "the printer on USB001", or the file's name
    std::optional<DeviceTarget> device;       // set for a printer
    std::optional<std::uint16_t> product_id;  // a file's product tag, or the printer's known ID
    std::optional<PortableDirectory> raw;     // a JSON document's texts before they were fitted
};

// Reads the printer, the directory file or the JSON document of `source` into the Working copy of a
// fresh `setup` (a file with its own capability; a JSON document is fitted into the slots of its
// "capability"). False after a one-line message on `err`.
bool LoadDirectory(const Source& source, const CliOptions& options, CRSUFuncRemoteSetup& setup,
                   LoadedFrom* from, std::ostream& err);

// The whole text of `file`, or of standard input for "-". False with a one-line `*error`.
bool ReadTextFile(const std::string& file, std::string* text, std::string* error);

}  // namespace orvane::cli
