#include "pages/rsu_beep.h"

#include <QApplication>
#include <utility>

namespace orvane {
namespace {

BeepHandler& CurrentHandler() {
    static BeepHandler handler;
    return handler;
}

}  // namespace

void RSUBeep() {
    if (CurrentHandler()) {
        CurrentHandler()();
    } else {
        QApplication::beep();
    }
}

BeepHandler SetBeepHandler(BeepHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

}  // namespace orvane
