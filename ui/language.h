// The language setting: which language module the program uses, kept in the user's settings as
// four hexadecimal digits ("0409") and reconciled at every start with the installation and the
// user's UI language.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/settings_store.h"

namespace orvane {

// Arabic (Saudi Arabia): the one language whose message boxes read right to left.
inline constexpr std::uint16_t kLanguageArabic = 0x0401;

// A language ID read as text: leading blanks skipped, then hexadecimal digits up to the first
// other character ("0x" allowed), cut to 16 bits; 0 when there are no digits.
std::uint16_t LanguageIdFromText(const QString& text);

// A language ID as the program writes it: "%04x".
QString LanguageIdText(std::uint16_t id);

// String 10000 for `ui_language`, or nothing when it is not 1 to 4 characters long.
std::optional<QString> DefaultLanguageString(std::uint16_t ui_language);

// True when message boxes in `language` read right to left (exactly 0x0401).
bool IsRightToLeftLanguage(std::uint16_t language);
// The layout direction of windows and message boxes in `language`.
Qt::LayoutDirection LayoutDirectionOf(std::uint16_t language);

// The file name of `language`'s module in the language module table ("ORVI_FR.qm"); empty when
// the language has no row.
QString LanguageModuleFile(std::uint16_t language);

// True when `language` has a row in the language module table and its module file exists in
// the program's directory.
bool ModuleExists(std::uint16_t language);
// The same for the language modules in `directory`.
bool ModuleExistsIn(std::uint16_t language, const QString& directory);

// The language setting over one pair of stores, with the user's UI language and module lookup
// given from outside.
class LanguageSetting {
  public:
    using ModuleCheck = std::function<bool(std::uint16_t)>;

    // `default_language` is string 10000 for `ui_language` (nothing when missing).
    LanguageSetting(SettingsStore settings, SettingsStore installation, std::uint16_t ui_language,
                    std::optional<QString> default_language, ModuleCheck module_exists);

    // The setting of this user on this machine.
    static LanguageSetting ForThisUser();

    // Reconciles "InstallID", "OSLang" and "Language" of the user's settings with the
    // installation and the UI language. Stores that cannot be read or written are skipped.
    void Sync();

    // The ID that "Language" holds; if it cannot be read, the default language; else 0.
    std::uint16_t Current() const;

    // Writes `id` as "%04x" into "Language"; does nothing when the settings cannot be written.
    void Store(std::uint16_t id);

  private:
    bool StoredLanguageHasModule() const;
    void TakeInstallationLanguage();
    void WriteDefaultLanguage();

    SettingsStore settings_;
    SettingsStore installation_;
    std::uint16_t ui_language_;
    std::optional<QString> default_language_;
    ModuleCheck module_exists_;
};

// Start-up's reconciliation of this user's language setting.
void SyncLanguageSetting();
// The language this user's settings hold right now (see LanguageSetting::Current).
std::uint16_t CurrentLanguage();
// Stores `id` as this user's language (see LanguageSetting::Store).
void StoreLanguage(std::uint16_t id);

}  // namespace orvane
