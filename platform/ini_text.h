// INI text as the platform's profile functions read and write it: "[section]" headers and
// "key=value" lines, blanks around names and values ignored, lines starting with ";" skipped, and
// section and key names matched without regard to letter case.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace orvane {

// The keys of one section; the first occurrence of a key wins.
class IniSection {
  public:
    // The value of `key`, or an empty string when the section lacks it.
    QString Value(const QString& key) const;
    // Keeps `value` for `key` unless the section has the key already.
    void Add(const QString& key, const QString& value);

  private:
    QHash<QString, QString> values_;  // by case-folded key
};

class IniFile;

// Parses `text` into `ini`. False for a section header without its closing bracket (a cut-off
// file) or with an empty name.
bool ParseIni(const QString& text, IniFile* ini);

class IniFile {
  public:
    // The section names in file order, as written, duplicates included.
    const QStringList& Names() const { return names_; }
    // The values of the first section called `name`; an empty section when there is none.
    IniSection Section(const QString& name) const;

  private:
    friend bool ParseIni(const QString& text, IniFile* ini);

    QStringList names_;
    QHash<QString, IniSection> sections_;  // by case-folded name
};

// `text` with `values` set in the first section `section`: the first line of a key is replaced,
// missing keys are added at the section's end, a missing section is added at the end of the text.
// Every other line stays as it was.
QString SetIniValues(const QString& text, const QString& section,
                     const QList<std::pair<QString, QString>>& values);

}  // namespace orvane
