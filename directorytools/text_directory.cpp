#include "directorytools/text_directory.h"

#include "directorytools/directory_json.h"
#include "directorytools/directory_vcard.h"
#include "directorytools/internal/csv_reader.h"

#include <filesystem>

namespace orvane {

std::optional<TextFormat> TextFormatOfExtension(std::string_view file_name) {
    const std::string extension = CsvLower(std::filesystem::path(file_name).extension().string());
    if (extension == ".csv") return TextFormat::Csv;
    if (extension == ".vcf" || extension == ".vcard") return TextFormat::Vcard;
    if (extension == ".json") return TextFormat::Json;
    return std::nullopt;
}

TextFormat TextFormatOf(std::string_view file_name, std::string_view text) {
    if (const std::optional<TextFormat> format = TextFormatOfExtension(file_name)) return *format;
    if (LooksLikeJson(text)) return TextFormat::Json;
    if (text.substr(0, 64).find("BEGIN:VCARD") != std::string_view::npos) return TextFormat::Vcard;
    return TextFormat::Csv;
}

CsvOutcome ReadTextDirectory(TextFormat format, std::string_view text, const CsvColumns* columns,
                             PortableDirectory* directory, std::vector<std::string>* headers,
                             std::string* error) {
    headers->clear();
    bool read = false;
    switch (format) {
        case TextFormat::Csv:
            return ReadDirectoryCsv(text, columns, directory, headers, error);
        case TextFormat::Vcard:
            read = ParseDirectoryVcard(text, directory, error);
            break;
        case TextFormat::Json:
            read = ParseDirectoryJson(text, directory, error);
            break;
    }
    return read ? CsvOutcome::Read : CsvOutcome::Refused;
}

std::string DirectoryText(TextFormat format, const DeviceCapability& capability, const DirectoryData& data) {
    switch (format) {
        case TextFormat::Json:
            return DirectoryJson(capability, data);
        case TextFormat::Vcard:
            return DirectoryVcard(ToPortable(data));
        case TextFormat::Csv:
            break;
    }
    return DirectoryCsv(ToPortable(data));
}

}  // namespace orvane
