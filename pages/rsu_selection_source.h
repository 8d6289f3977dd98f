// The selection a middle click pastes (the X11 primary selection), behind a seam: tests run on a
// platform without one and provide the text themselves.
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace orvane {

// The selected text, or nothing where the platform has no selection.
std::optional<QString> SelectionText();

using SelectionSource = std::function<std::optional<QString>()>;

// Makes SelectionText call `source` instead of the platform (an empty source restores the
// platform's) and returns the source it replaces.
SelectionSource SetSelectionSource(SelectionSource source);

}  // namespace orvane
