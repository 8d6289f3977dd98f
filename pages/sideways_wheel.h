// The mouse wheel over a list's or tree's horizontal scroll bar: it scrolls sideways, by the
// control's own step, instead of the scroll bar's default.
#pragma once

#include <functional>

class QAbstractScrollArea;
class QScrollBar;

namespace orvane {

// Called with the horizontal scroll bar and whether to scroll left (the wheel turned away from the
// user) or right (turned towards the user).
using SidewaysScroll = std::function<void(QScrollBar* bar, bool left)>;

// From now on a wheel turn over `area`'s horizontal scroll bar calls `scroll` and goes no further.
// A sideways wheel (tilt) and a wheel elsewhere over the area keep their default handling.
void ScrollSidewaysOnWheel(QAbstractScrollArea* area, SidewaysScroll scroll);

}  // namespace orvane
