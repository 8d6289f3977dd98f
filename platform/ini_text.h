// INI text as the platform's profile functions read and write it: "[section]" headers and
// "key=value" lines, blanks around names and values ignored, lines starting with ";" skipped.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace orvane {

// The keys of one section; the first occurrence of a key wins.
using IniSection = QHash<QString, QString>;

struct IniFile {
    QStringList names;                    // section names in file order, duplicates included
    QHash<QString, IniSection> sections;  // values of the first section of each name
};

// Parses `text` into `ini`. False for a section header without its closing bracket (a cut-off
// file) or with an empty name.
bool ParseIni(const QString& text, IniFile* ini);

// `text` with `values` set in the first section `section`: the first line of a key is replaced,
// missing keys are added at the section's end, a missing section is added at the end of the text.
// Every other line stays as it was.
QString SetIniValues(const QString& text, const QString& section,
                     const QList<std::pair<QString, QString>>& values);

}  // namespace orvane
