#include "platform/settings_store.h"

#include <QFileInfo>
#include <QSettings>

namespace orvane {
namespace {

const char kOrganisation[] = "Velor";
const char kApplication[] = "Orvane";

std::unique_ptr<QSettings> OpenScope(QSettings::Scope scope) {
    auto settings = std::make_unique<QSettings>(QSettings::IniFormat, scope, kOrganisation, kApplication);
    // The user's store must never show the installer's values as its own.
    settings->setFallbacksEnabled(false);
    return settings;
}

}  // namespace

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings, bool writable)
    : settings_(std::move(settings)), writable_(writable) {}

SettingsStore::SettingsStore(SettingsStore&&) noexcept = default;
SettingsStore& SettingsStore::operator=(SettingsStore&&) noexcept = default;
SettingsStore::~SettingsStore() = default;

SettingsStore SettingsStore::OpenUser() {
    auto settings = OpenScope(QSettings::UserScope);
    const bool writable = settings->status() == QSettings::NoError && settings->isWritable();
    return SettingsStore(std::move(settings), writable);
}

SettingsStore SettingsStore::OpenInstallation() {
    auto settings = OpenScope(QSettings::SystemScope);
    const QFileInfo file(settings->fileName());
    if (!file.isFile() || !file.isReadable() || settings->status() != QSettings::NoError) {
        return SettingsStore(nullptr, false);
    }
    return SettingsStore(std::move(settings), false);
}

std::optional<QString> SettingsStore::ReadString(const QString& name) const {
    if (!settings_ || !settings_->contains(name)) return std::nullopt;
    return settings_->value(name).toString();
}

std::optional<quint32> SettingsStore::ReadNumber(const QString& name) const {
    if (!settings_ || !settings_->contains(name)) return std::nullopt;
    bool ok = false;
    const quint32 number = settings_->value(name).toUInt(&ok);
    return ok ? std::optional<quint32>(number) : std::nullopt;
}

bool SettingsStore::WriteString(const QString& name, const QString& value) {
    if (!writable_) return false;
    settings_->setValue(name, value);
    return Flush();
}

bool SettingsStore::WriteNumber(const QString& name, quint32 value) {
    if (!writable_) return false;
    settings_->setValue(name, value);
    return Flush();
}

bool SettingsStore::Remove(const QString& name) {
    if (!writable_) return false;
    settings_->remove(name);
    return Flush();
}

bool SettingsStore::Flush() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

}  // namespace orvane
