// The model list file "orvkit.dat": one INI section per supported printer driver.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace orvane {

// Function bits of a model.
inline constexpr std::uint8_t kFunctionScanner = 1;
inline constexpr std::uint8_t kFunctionPrinter = 2;
inline constexpr std::uint8_t kFunctionFax = 4;

// One supported model; every missing value reads as none or 0.
struct ModelRecord {
    QString driver_name;
    std::uint16_t product_id = 0;
    std::uint8_t functions = 0;  // kFunction... bits
    std::optional<QString> help_reg_name;
    std::optional<QString> survey_dev_id;
    int manual = 0;
    std::optional<QString> dev_id;
};

// Reads every section whose "DeviceInfo" is 1, in file order, into `records`. Returns 0, or -1
// (records emptied) when the file cannot be read, holds a NUL byte or a section header without its
// closing bracket (a cut-off file), or a section name is empty.
int ReadModelList(const QString& path, std::vector<ModelRecord>* records);

// Index of the first record whose driver name equals `driver_name` exactly (case included), or -1.
int FindModel(const std::vector<ModelRecord>& records, const QString& driver_name);

// What the model list's section "InformationSurvey" says about the usage survey.
struct SurveySettings {
    long long collect_data = 1;  // "CollectData"; the survey runs only when it is 1
    QString version;             // "Version"; empty when missing
};

// Reads "InformationSurvey" of the model list file `path`; a missing file, section or value gives
// the defaults above.
SurveySettings ReadSurveySettings(const QString& path);

}  // namespace orvane
