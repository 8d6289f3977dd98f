#include "platform/survey_component.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

#include "platform/settings_store.h"
#include "transport/loaded_module.h"

namespace orvane {
namespace {

// The registration is read into a 260-byte buffer: 129 UTF-16 characters and the terminator.
constexpr qsizetype kMaxLibraryPathLength = 129;

// The registered library, when it names an existing file by an absolute path: a bare name or a
// relative path would be looked up in places the installer did not choose.
std::optional<QString> RegisteredLibrary() {
    const std::optional<QString> path =
        SettingsStore::OpenInstallation().ReadString(QStringLiteral("Zuvana/Library"));
    if (!path || path->isEmpty() || path->size() > kMaxLibraryPathLength) return std::nullopt;
    if (!QDir::isAbsolutePath(*path) || !QFileInfo(*path).isFile()) return std::nullopt;
    return path;
}

// The NUL-terminated UTF-16 text of `text`.
const char16_t* Utf16(const QString& text) {
    return reinterpret_cast<const char16_t*>(text.utf16());
}

}  // namespace

SurveyReportStatus ReportToSurveyComponent(const QString& record_name, const QString& application_name,
                                           const QString& report_text) {
    const std::optional<QString> library = RegisteredLibrary();
    if (!library) return SurveyReportStatus::NotInstalled;
    LoadedModule module = LoadedModule::Load(QFile::encodeName(*library).toStdString());
    void* entry = module.Symbol("WriteAppInfoW");
    if (entry == nullptr) {
        return module.IsLoaded() ? SurveyReportStatus::NoEntry : SurveyReportStatus::NotLoaded;
    }
    const auto write_app_info = reinterpret_cast<WriteAppInfoWFunction>(entry);
    const int taken = write_app_info(Utf16(record_name), Utf16(application_name), Utf16(report_text));
    return taken != 0 ? SurveyReportStatus::Delivered : SurveyReportStatus::Refused;
}

}  // namespace orvane
