// The X display of the Xvfb tests: finding windows by title and typing into them with xdotool.
#pragma once

#include <QString>
#include <QStringList>

// True when an X display and xdotool are there.
bool HaveXDisplay();

// The IDs of the visible windows whose title matches the regular expression `title`.
QStringList WindowsNamed(const QString& title);

// Gives `window` the keyboard focus and types `keys` (xdotool key names, "ctrl+l", "Down").
bool TypeInto(const QString& window, const QStringList& keys);
