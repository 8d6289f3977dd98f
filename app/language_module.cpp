#include "app/language_module.h"

#include <QDir>
#include <QTranslator>
#include <memory>

#include "resources/language_table.h"

namespace orvane {
namespace {

std::unique_ptr<QTranslator>& CurrentModule() {
    static std::unique_ptr<QTranslator> module;
    return module;
}

QString Lookup(const QString& text_id) {
    const std::unique_ptr<QTranslator>& module = CurrentModule();
    if (!module) return {};
    return module->translate(nullptr, text_id.toLatin1().constData());
}

}  // namespace

bool LoadLanguageModule(std::uint16_t language, const QString& directory) {
    const LanguageRow* row = FindLanguageRow(language);
    if (row == nullptr) return false;
    const QString file = QString::fromLatin1(row->module.data(), static_cast<qsizetype>(row->module.size()));
    auto module = std::make_unique<QTranslator>();
    if (!module->load(QDir(directory).filePath(file)) || module->isEmpty()) return false;
    CurrentModule() = std::move(module);
    return true;
}

QString LoadString(int id) {
    return Lookup(QString::number(id));
}

QString LoadTemplateText(int template_id, int control_id) {
    return Lookup(QStringLiteral("%1.%2").arg(template_id).arg(control_id));
}

QString LoadAppString(int id) {
    const std::string_view text = LanguageNameString(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orvane
