// The program's two settings stores: the user's settings (read and written) and the installer's
// settings (read only). Both are INI files under organisation "Velor", application "Orvane":
// the user's below $XDG_CONFIG_HOME, the installer's below the first folder of $XDG_CONFIG_DIRS.
#pragma once

#include <QString>
#include <memory>
#include <optional>

class QSettings;

namespace orvane {

// One opened settings store. A store that could not be opened reads every value as missing and
// skips every write.
class SettingsStore {
  public:
    // The user's settings, created on demand; read only when the file cannot be written.
    static SettingsStore OpenUser();
    // The installer's settings; not open when the installer wrote none.
    static SettingsStore OpenInstallation();

    SettingsStore(SettingsStore&&) noexcept;
    SettingsStore& operator=(SettingsStore&&) noexcept;
    ~SettingsStore();

    // True when the store could be opened for reading.
    bool IsOpen() const { return settings_ != nullptr; }

    // The text of `name`, or nothing when the value (or the store) is missing.
    std::optional<QString> ReadString(const QString& name) const;
    // The 32-bit number of `name`, or nothing when missing or not a number.
    std::optional<quint32> ReadNumber(const QString& name) const;

    // Write one value and flush it to disk; false when the store is not open or the write failed.
    bool WriteString(const QString& name, const QString& value);
    bool WriteNumber(const QString& name, quint32 value);
    // Delete one value; false when the store is not open or the file could not be written.
    bool Remove(const QString& name);

  private:
    explicit SettingsStore(std::unique_ptr<QSettings> settings, bool writable);
    bool Flush();

    std::unique_ptr<QSettings> settings_;
    bool writable_ = false;
};

}  // namespace orvane
