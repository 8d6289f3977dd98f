// Moves the user's and the installer's settings into a test's temporary folder.
#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the user's settings at `folder`/home and the installer's at `folder`/system, and the usage
// survey's data folder at `folder`/common (missing unless the test makes it, which keeps the survey
// off). Call before the first settings store is opened: the paths are read once per process.
void UseSettingsFolder(const QTemporaryDir& folder);

// The user's settings file below `folder`.
QString UserSettingsFile(const QTemporaryDir& folder);
