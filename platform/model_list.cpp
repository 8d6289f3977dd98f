#include "platform/model_list.h"

#include <QFile>
#include <QHash>
#include <QStringList>

namespace orvane {
namespace {

constexpr int kMaxStringValue = 259;

// The keys of one section; the first occurrence of a key wins, as with the Windows INI reader.
using Section = QHash<QString, QString>;

struct IniFile {
    QStringList names;                 // section names in file order, duplicates included
    QHash<QString, Section> sections;  // values of the first section of each name
};

bool ParseIni(const QString& text, IniFile* ini) {
    Section* current = nullptr;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close < 0) return false;
            const QString name = line.mid(1, close - 1).trimmed();
            if (name.isEmpty()) return false;
            ini->names.append(name);
            // A repeated section adds nothing: lookups find the first one.
            current = ini->sections.contains(name) ? nullptr : &ini->sections[name];
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (current == nullptr || equals <= 0) continue;
        const QString key = line.left(equals).trimmed();
        if (!current->contains(key)) current->insert(key, line.mid(equals + 1).trimmed());
    }
    return true;
}

// An integer value as the INI reader gives it: leading decimal digits (or 0x hex), else 0.
long long IntValue(const Section& section, const QString& key) {
    const QString text = section.value(key);
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

std::optional<QString> StringValue(const Section& section, const QString& key) {
    const QString text = section.value(key).left(kMaxStringValue);
    if (text.isEmpty()) return std::nullopt;
    return text;
}

ModelRecord RecordOf(const QString& name, const Section& section) {
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

}  // namespace

int ReadModelList(const QString& path, std::vector<ModelRecord>* records) {
    records->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError || bytes.contains('\0')) return -1;
    IniFile ini;
    if (!ParseIni(QString::fromUtf8(bytes), &ini)) return -1;
    for (const QString& name : ini.names) {
        const Section& section = ini.sections[name];
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

}  // namespace orvane
