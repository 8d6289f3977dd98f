#include "platform/model_list.h"

#include <QFile>

#include "platform/ini_text.h"

namespace orvane {
namespace {

constexpr int kMaxStringValue = 259;

// An integer value as the INI reader gives it: leading decimal digits (or 0x hex), else 0.
long long IntValue(const QString& text) {
    bool ok = false;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const long long value = text.mid(2).toLongLong(&ok, 16);
        return ok ? value : 0;
    }
    qsizetype digits = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    while (digits < text.size() && text.at(digits).isDigit()) ++digits;
    const long long value = text.left(digits).toLongLong(&ok);
    return ok ? value : 0;
}

long long IntValue(const IniSection& section, const QString& key) {
    return IntValue(section.Value(key));
}

std::optional<QString> StringValue(const IniSection& section, const QString& key) {
    const QString text = section.Value(key).left(kMaxStringValue);
    if (text.isEmpty()) return std::nullopt;
    return text;
}

ModelRecord RecordOf(const QString& name, const IniSection& section) {
    ModelRecord record;
    record.driver_name = name;
    if (static_cast<std::uint16_t>(IntValue(section, QStringLiteral("Scanner"))) != 0) {
        record.functions |= kFunctionScanner;
    }
    if (static_cast<std::uint16_t>(IntValue(section, QStringLiteral("Printer"))) != 0) {
        record.functions |= kFunctionPrinter;
    }
    if (static_cast<std::uint16_t>(IntValue(section, QStringLiteral("Fax"))) != 0) {
        record.functions |= kFunctionFax;
    }
    record.product_id = static_cast<std::uint16_t>(IntValue(section, QStringLiteral("ProductID")));
    record.help_reg_name = StringValue(section, QStringLiteral("HelpRegName"));
    record.survey_dev_id = StringValue(section, QStringLiteral("SurveyDevID"));
    record.manual = static_cast<int>(IntValue(section, QStringLiteral("Manual")));
    record.dev_id = StringValue(section, QStringLiteral("DevID"));
    return record;
}

// The model list file parsed; false when it cannot be read or is not a whole INI file.
bool ReadIniFile(const QString& path, IniFile* ini) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError || bytes.contains('\0')) return false;
    return ParseIni(QString::fromUtf8(bytes), ini);
}

}  // namespace

int ReadModelList(const QString& path, std::vector<ModelRecord>* records) {
    records->clear();
    IniFile ini;
    if (!ReadIniFile(path, &ini)) return -1;
    for (const QString& name : ini.Names()) {
        const IniSection section = ini.Section(name);
        if (IntValue(section, QStringLiteral("DeviceInfo")) == 1) records->push_back(RecordOf(name, section));
    }
    return 0;
}

int FindModel(const std::vector<ModelRecord>& records, const QString& driver_name) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].driver_name == driver_name) return static_cast<int>(i);
    }
    return -1;
}

SurveySettings ReadSurveySettings(const QString& path) {
    SurveySettings settings;
    IniFile ini;
    if (!ReadIniFile(path, &ini)) return settings;
    const IniSection survey = ini.Section(QStringLiteral("InformationSurvey"));
    const QString collect = survey.Value(QStringLiteral("CollectData"));
    if (!collect.isEmpty()) settings.collect_data = IntValue(collect);
    settings.version = survey.Value(QStringLiteral("Version"));
    return settings;
}

}  // namespace orvane
