// What the installers tell the program about manuals, in the installer's settings: the host of the
// maker's manual redirect service, and the registration of the local manual viewer.
#pragma once

#include <QString>

namespace orvane {

// The manual redirect service used when the installation names none.
inline constexpr char kDefaultManualHost[] = "manual.velor.com";

// The installation's "ManualHost" (a host name, optionally with ":port"), else kDefaultManualHost.
QString ManualHost();

// The local manual viewer as its installer registered it under "Pelmora/<registration name>".
struct ManualViewer {
    bool available = false;  // the viewer can show this manual
    QString program;         // "APP_PATH": the viewer program
    QString info_path;       // "info_PATH": the manual's information file
    QString topic;           // "ORV_MAIN": the topic to open for this program
};

// Reads the registration `registration_name`. The viewer is available only when "APP_PATH" and
// "info_PATH" name existing files and "ORV_MAIN" is not empty; a value longer than 259 characters
// counts as unreadable.
ManualViewer FindManualViewer(const QString& registration_name);

}  // namespace orvane
