// A directory as one of the text files people exchange: CSV, vCard or JSON. The window's and the
// command line's import and export both go through here.
#pragma once

#include "directorytools/directory_csv.h"
#include "directorytools/portable_directory.h"
#include "remotesetup/device_capability.h"
#include "remotesetup/directory_data.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The text formats a directory is exported to and imported from.
enum class TextFormat { Csv, Vcard, Json };

// The format of the file `file_name` holding `text`: by its extension (.csv; .vcf or .vcard;
// .json; any letter case), else by its content (JSON, a vCard, else CSV).
TextFormat TextFormatOf(std::string_view file_name, std::string_view text);

// The format an extension (".csv", any letter case) names, or nothing for another one.
std::optional<TextFormat> TextFormatOfExtension(std::string_view file_name);

// Reads `text` of `format` into `*directory`. A CSV address book takes its name and number from
// `columns` when given; `*headers` receives its columns (see ReadDirectoryCsv). Refused with
// `*error` naming the line for malformed text.
CsvOutcome ReadTextDirectory(TextFormat format, std::string_view text, const CsvColumns* columns,
                             PortableDirectory* directory, std::vector<std::string>* headers,
                             std::string* error);

// The text of `data` (a directory of a printer with `capability`) in `format`.
std::string DirectoryText(TextFormat format, const DeviceCapability& capability, const DirectoryData& data);

}  // namespace orvane
