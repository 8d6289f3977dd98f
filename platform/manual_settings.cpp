#include "platform/manual_settings.h"

#include <QFileInfo>
#include <optional>

#include "platform/settings_store.h"

namespace orvane {
namespace {

// The registration's values are read into buffers of 520 bytes: 259 characters and the terminator.
constexpr qsizetype kMaxValueLength = 259;

std::optional<QString> ReadValue(const SettingsStore& store, const QString& group, const char* name) {
    std::optional<QString> value = store.ReadString(group + QLatin1String(name));
    if (value && value->size() > kMaxValueLength) return std::nullopt;
    return value;
}

bool IsExistingFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

}  // namespace

QString ManualHost() {
    const std::optional<QString> host =
        SettingsStore::OpenInstallation().ReadString(QStringLiteral("ManualHost"));
    return host && !host->isEmpty() ? *host : QString::fromLatin1(kDefaultManualHost);
}

ManualViewer FindManualViewer(const QString& registration_name) {
    ManualViewer viewer;
    const SettingsStore installation = SettingsStore::OpenInstallation();
    if (registration_name.isEmpty() || !installation.IsOpen()) return viewer;
    const QString group = QStringLiteral("Pelmora/") + registration_name + QLatin1Char('/');
    const std::optional<QString> program = ReadValue(installation, group, "APP_PATH");
    const std::optional<QString> info_path = ReadValue(installation, group, "info_PATH");
    if (!program || !info_path || !IsExistingFile(*program)) return viewer;
    viewer.program = *program;
    viewer.info_path = *info_path;
    if (!IsExistingFile(*info_path)) return viewer;
    const std::optional<QString> topic = ReadValue(installation, group, "ORV_MAIN");
    if (!topic) return viewer;
    viewer.topic = *topic;
    viewer.available = !topic->isEmpty();
    return viewer;
}

}  // namespace orvane
