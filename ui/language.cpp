#include "ui/language.h"

#include <QDir>
#include <QFileInfo>

#include "platform/program_directory.h"
#include "platform/ui_language.h"
#include "resources/language_table.h"

namespace orvane {
namespace {

const QString kInstallIdValue = QStringLiteral("InstallID");
const QString kOsLanguageValue = QStringLiteral("OSLang");
const QString kLanguageValue = QStringLiteral("Language");
constexpr int kInstallIdMaxLength = 260;
constexpr int kLanguageTextMaxLength = 4;

}  // namespace

std::uint16_t LanguageIdFromText(const QString& text) {
    QStringView digits = QStringView(text).trimmed();
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) digits = digits.mid(2);
    std::uint32_t value = 0;
    for (const QChar c : digits) {
        const int digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (digit < 0) break;
        value = ((value << 4) | static_cast<std::uint32_t>(digit)) & 0xFFFFu;
    }
    return static_cast<std::uint16_t>(value);
}

QString LanguageIdText(std::uint16_t id) {
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

std::optional<QString> DefaultLanguageString(std::uint16_t ui_language) {
    const std::string_view text = DefaultLanguageText(ui_language);
    if (text.empty() || text.size() > kLanguageTextMaxLength) return std::nullopt;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsRightToLeftLanguage(std::uint16_t language) {
    return language == kLanguageArabic;
}

Qt::LayoutDirection LayoutDirectionOf(std::uint16_t language) {
    return IsRightToLeftLanguage(language) ? Qt::RightToLeft : Qt::LeftToRight;
}

bool ModuleExists(std::uint16_t language) {
    return ModuleExistsIn(language, ProgramDirectory());
}

QString LanguageModuleFile(std::uint16_t language) {
    const LanguageRow* row = FindLanguageRow(language);
    if (row == nullptr) return {};
    return QString::fromLatin1(row->module.data(), static_cast<qsizetype>(row->module.size()));
}

bool ModuleExistsIn(std::uint16_t language, const QString& directory) {
    const QString file = LanguageModuleFile(language);
    return !file.isEmpty() && QFileInfo(QDir(directory).filePath(file)).isFile();
}

LanguageSetting::LanguageSetting(SettingsStore settings, SettingsStore installation,
                                 std::uint16_t ui_language, std::optional<QString> default_language,
                                 ModuleCheck module_exists)
    : settings_(std::move(settings)),
      installation_(std::move(installation)),
      ui_language_(ui_language),
      default_language_(std::move(default_language)),
      module_exists_(std::move(module_exists)) {
    if (default_language_ &&
        (default_language_->isEmpty() || default_language_->size() > kLanguageTextMaxLength)) {
        default_language_.reset();
    }
}

LanguageSetting LanguageSetting::ForThisUser() {
    const std::uint16_t ui_language = UserUiLanguage();
    return LanguageSetting(SettingsStore::OpenUser(), SettingsStore::OpenInstallation(), ui_language,
                           DefaultLanguageString(ui_language), &ModuleExists);
}

void LanguageSetting::Sync() {
    const QString install_id =
        installation_.ReadString(kInstallIdValue).value_or(QString()).left(kInstallIdMaxLength);
    const std::uint32_t previous_ui_language = settings_.ReadNumber(kOsLanguageValue).value_or(0);
    settings_.WriteNumber(kOsLanguageValue, ui_language_);

    const std::optional<QString> user_install_id = settings_.ReadString(kInstallIdValue);
    if (!user_install_id) {
        settings_.WriteString(kInstallIdValue, install_id);
    } else if (user_install_id->compare(install_id, Qt::CaseInsensitive) != 0) {
        // A new installation: the language chosen under the old one no longer counts.
        settings_.Remove(kInstallIdValue);
        settings_.Remove(kLanguageValue);
        settings_.WriteString(kInstallIdValue, install_id);
    } else if (ui_language_ != previous_ui_language) {
        WriteDefaultLanguage();
        return;
    } else if (StoredLanguageHasModule()) {
        return;
    }
    TakeInstallationLanguage();
}

bool LanguageSetting::StoredLanguageHasModule() const {
    const std::optional<QString> stored = settings_.ReadString(kLanguageValue);
    return stored && module_exists_(LanguageIdFromText(*stored));
}

void LanguageSetting::TakeInstallationLanguage() {
    const std::optional<QString> installed = installation_.ReadString(kLanguageValue);
    if (installed && module_exists_(LanguageIdFromText(*installed))) {
        settings_.WriteString(kLanguageValue, *installed);
    } else {
        WriteDefaultLanguage();
    }
}

void LanguageSetting::WriteDefaultLanguage() {
    // Without a default language string nothing can stand for it: the value goes, and reading
    // the setting then yields no language.
    if (default_language_) {
        settings_.WriteString(kLanguageValue, *default_language_);
    } else {
        settings_.Remove(kLanguageValue);
    }
}

std::uint16_t LanguageSetting::Current() const {
    if (const std::optional<QString> stored = settings_.ReadString(kLanguageValue))
        return LanguageIdFromText(*stored);
    return default_language_ ? LanguageIdFromText(*default_language_) : 0;
}

void LanguageSetting::Store(std::uint16_t id) {
    settings_.WriteString(kLanguageValue, LanguageIdText(id));
}

void SyncLanguageSetting() {
    LanguageSetting::ForThisUser().Sync();
}

std::uint16_t CurrentLanguage() {
    return LanguageSetting::ForThisUser().Current();
}

void StoreLanguage(std::uint16_t id) {
    LanguageSetting::ForThisUser().Store(id);
}

}  // namespace orvane
