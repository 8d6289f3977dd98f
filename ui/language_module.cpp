#include "ui/language_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "resources/language_table.h"
#include "ui/language.h"

namespace orvane {
namespace {

std::unique_ptr<QTranslator>& CurrentModule() {
    static std::unique_ptr<QTranslator> module;
    return module;
}

constexpr std::uint16_t kEnglish = 0x0409;

// Qt's own texts (standard buttons, file dialogs) in the module's language, where installed.
std::unique_ptr<QTranslator>& QtTexts() {
    static std::unique_ptr<QTranslator> texts;
    return texts;
}

void LoadQtTexts(const QString& locale_name) {
    if (QtTexts()) QCoreApplication::removeTranslator(QtTexts().get());
    QtTexts().reset();
    auto texts = std::make_unique<QTranslator>();
    if (texts->load(QStringLiteral("qtbase_") + locale_name,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(texts.get());
        QtTexts() = std::move(texts);
    }
}

void ReportUnloadable(std::uint16_t language, const QString& directory) {
    const QString file = LanguageModuleFile(language);
    const QString text = file.isEmpty() ? QStringLiteral("orvane: no language module for language %1\n")
                                              .arg(language, 4, 16, QLatin1Char('0'))
                                        : QStringLiteral("orvane: cannot load the language module %1\n")
                                              .arg(QDir(directory).filePath(file));
    std::fputs(text.toLocal8Bit().constData(), stderr);
}

QString Lookup(const QString& text_id) {
    const std::unique_ptr<QTranslator>& module = CurrentModule();
    if (!module) return {};
    return module->translate(nullptr, text_id.toLatin1().constData());
}

}  // namespace

bool LoadLanguageModule(std::uint16_t language, const QString& directory) {
    const QString file = LanguageModuleFile(language);
    if (file.isEmpty()) return false;
    auto module = std::make_unique<QTranslator>();
    if (!module->load(QDir(directory).filePath(file)) || module->isEmpty()) return false;
    if (QCoreApplication::instance() != nullptr) LoadQtTexts(module->language());
    CurrentModule() = std::move(module);
    return true;
}

std::optional<std::uint16_t> LoadStartupLanguageModule(std::uint16_t language, const QString& directory) {
    if (LoadLanguageModule(language, directory)) return language;
    ReportUnloadable(language, directory);
    if (language == kEnglish) return std::nullopt;
    if (LoadLanguageModule(kEnglish, directory)) return kEnglish;
    ReportUnloadable(kEnglish, directory);
    return std::nullopt;
}

QString LoadString(int id) {
    return Lookup(QString::number(id));
}

QString LoadTemplateText(int template_id, int control_id) {
    return Lookup(QStringLiteral("%1.%2").arg(template_id).arg(control_id));
}

QString WithoutMnemonic(const QString& label) {
    static const QRegularExpression kBracketed(QStringLiteral("\\(&[^&]\\)"));
    QString text = label;
    text.remove(kBracketed);
    return text.remove(QLatin1Char('&'));
}

QString LoadAppString(int id) {
    const std::string_view text = LanguageNameString(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orvane
