#include "app/window_size.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <climits>

#include "platform/settings_store.h"

namespace orvane {
namespace {

const QString kWidthValue = QStringLiteral("LastWindowWidth");
const QString kHeightValue = QStringLiteral("LastWindowHeight");
const QString kMaximizeValue = QStringLiteral("LastWindowMaximize");

}  // namespace

std::optional<WindowSize> ReadWindowSize(const SettingsStore& settings) {
    const std::optional<quint32> width = settings.ReadNumber(kWidthValue);
    const std::optional<quint32> height = settings.ReadNumber(kHeightValue);
    const std::optional<quint32> maximized = settings.ReadNumber(kMaximizeValue);
    if (!width || !height || !maximized) return std::nullopt;
    // A value past the int range is larger than any work area: the cut below takes care of it.
    const auto clamp = [](quint32 value) { return static_cast<int>(std::min<quint32>(value, INT_MAX)); };
    return WindowSize{QSize(clamp(*width), clamp(*height)), *maximized != 0};
}

bool StoreWindowSize(SettingsStore& settings, const WindowSize& stored) {
    return settings.WriteNumber(kWidthValue, static_cast<quint32>(stored.size.width())) &&
           settings.WriteNumber(kHeightValue, static_cast<quint32>(stored.size.height())) &&
           settings.WriteNumber(kMaximizeValue, stored.maximized ? 1 : 0);
}

void RestoreWindowSize(QWidget* window, const std::optional<WindowSize>& stored) {
    const QScreen* screen = window->screen();
    const QRect work_area = screen != nullptr ? screen->availableGeometry() : QRect();
    window->move(0, 0);
    if (!stored || work_area.isEmpty()) {
        window->resize(kDefaultWindowSize);
        return;
    }
    window->resize(stored->size.boundedTo(work_area.size()));
    if (!stored->maximized) return;
    QRect centred(QPoint(0, 0), window->size());
    centred.moveCenter(work_area.center());
    window->move(centred.topLeft());
    window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

WindowSize CurrentWindowSize(const QWidget* window, bool maximized) {
    const bool normal = !(window->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
    return {normal ? window->size() : window->normalGeometry().size(), maximized};
}

}  // namespace orvane
