#include "pages/rsu_selection_source.h"

#include <QClipboard>
#include <QGuiApplication>
#include <utility>

namespace orvane {
namespace {

SelectionSource& CurrentSource() {
    static SelectionSource source;
    return source;
}

}  // namespace

std::optional<QString> SelectionText() {
    if (CurrentSource()) return CurrentSource()();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection()) return std::nullopt;
    return clipboard->text(QClipboard::Selection);
}

SelectionSource SetSelectionSource(SelectionSource source) {
    return std::exchange(CurrentSource(), std::move(source));
}

}  // namespace orvane
