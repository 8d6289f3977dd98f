// The default beep of a refused input, behind a seam so tests can count it.
#pragma once

#include <functional>

namespace orvane {

// Sounds the default beep once.
void RSUBeep();

using BeepHandler = std::function<void()>;

// Makes RSUBeep call `handler` instead of QApplication::beep (an empty handler restores the
// sound) and returns the handler it replaces.
BeepHandler SetBeepHandler(BeepHandler handler);

}  // namespace orvane
