#include "settings_folder.h"

void UseSettingsFolder(const QTemporaryDir& folder) {
    qputenv("XDG_CONFIG_HOME", folder.filePath("home").toUtf8());
    qputenv("XDG_CONFIG_DIRS", folder.filePath("system").toUtf8());
    qputenv("ORVANE_SURVEY_DIR", folder.filePath("common").toUtf8());
    qputenv("XDG_DATA_HOME", folder.filePath("data").toUtf8());
}

QString UserSettingsFile(const QTemporaryDir& folder) {
    return folder.filePath("home/Velor/Orvane.ini");
}
