// The main window's size as the user left it: kept in the user's settings and restored at the
// next start.
#pragma once

#include <QSize>
#include <optional>

class QWidget;

namespace orvane {

class SettingsStore;

// The size of a window without a stored one, which is also its minimum.
inline constexpr QSize kDefaultWindowSize(788, 500);

// What the settings keep of the window.
struct WindowSize {
    QSize size;              // the normal (not maximized) size of the window's client area
    bool maximized = false;  // the window was maximized when it closed
};

// "LastWindowWidth", "LastWindowHeight" and "LastWindowMaximize", or nothing unless all three
// can be read.
std::optional<WindowSize> ReadWindowSize(const SettingsStore& settings);

// Writes the three values in that order, each only after the previous one was written. False
// when a write failed.
bool StoreWindowSize(SettingsStore& settings, const WindowSize& stored);

// Sizes `window` before it is first shown: the stored size cut to the work area of its screen,
// at the screen origin (0, 0); centred in the work area and maximized when it was maximized.
// Without a work area or a stored size: 788 x 500 at the origin.
void RestoreWindowSize(QWidget* window, const std::optional<WindowSize>& stored);

// What StoreWindowSize should keep of `window`: its normal size while maximized or minimized,
// and `maximized` as the window last reported it.
WindowSize CurrentWindowSize(const QWidget* window, bool maximized);

}  // namespace orvane
