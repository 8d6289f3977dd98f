#include "platform/ini_text.h"

namespace orvane {
namespace {

// The section name of a header line, or an empty string for any other line.
QString HeaderName(const QString& line) {
    if (!line.startsWith(QLatin1Char('['))) return {};
    const qsizetype close = line.indexOf(QLatin1Char(']'));
    return close < 0 ? QString() : line.mid(1, close - 1).trimmed();
}

// The key of a "key=value" line, or an empty string.
QString KeyOf(const QString& line) {
    if (line.startsWith(QLatin1Char(';'))) return {};
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals <= 0 ? QString() : line.left(equals).trimmed();
}

QString ValueLine(const std::pair<QString, QString>& value) {
    return value.first + QLatin1Char('=') + value.second;
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString IniSection::Value(const QString& key) const {
    return values_.value(key.toCaseFolded());
}

void IniSection::Add(const QString& key, const QString& value) {
    const QString folded = key.toCaseFolded();
    if (!values_.contains(folded)) values_.insert(folded, value);
}

IniSection IniFile::Section(const QString& name) const {
    return sections_.value(name.toCaseFolded());
}

bool ParseIni(const QString& text, IniFile* ini) {
    IniSection* current = nullptr;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            const QString name = HeaderName(line);
            if (name.isEmpty()) return false;
            ini->names_.append(name);
            // A repeated section, in any letter case, adds nothing: lookups find the first one.
            const QString folded = name.toCaseFolded();
            current = ini->sections_.contains(folded) ? nullptr : &ini->sections_[folded];
            continue;
        }
        const QString key = KeyOf(line);
        if (current == nullptr || key.isEmpty()) continue;
        current->Add(key, line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed());
    }
    return true;
}

QString SetIniValues(const QString& text, const QString& section,
                     const QList<std::pair<QString, QString>>& values) {
    QStringList lines = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    QList<bool> written(values.size(), false);
    qsizetype section_end = -1;  // where missing keys go: after the section's last non-blank line
    bool inside = false;
    bool seen = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inside = !seen && SameName(HeaderName(line), section);
            seen = seen || inside;
            if (inside) section_end = i + 1;
            continue;
        }
        if (!inside) continue;
        if (!line.isEmpty()) section_end = i + 1;
        const QString key = KeyOf(line);
        for (qsizetype v = 0; v < values.size(); ++v) {
            if (written[v] || !SameName(key, values[v].first)) continue;
            lines[i] = ValueLine(values[v]);
            written[v] = true;
        }
    }
    QStringList missing;
    for (qsizetype v = 0; v < values.size(); ++v) {
        if (!written[v]) missing.append(ValueLine(values[v]));
    }
    if (section_end < 0) {
        lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        lines.append(missing);
    } else {
        for (qsizetype m = 0; m < missing.size(); ++m) lines.insert(section_end + m, missing[m]);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace orvane
