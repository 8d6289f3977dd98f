#include "app/first_show_report.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace orvane {
namespace {

// Watches the window for its first paint and prints the line once that paint pass is done.
class FirstPaintWatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The children paint in the same pass; the line follows the whole frame.
            QTimer::singleShot(0, this, [this] {
                std::fputs("orvane: main window shown\n", stdout);
                std::fflush(stdout);
                deleteLater();
            });
        }
        return false;
    }
};

}  // namespace

void ReportFirstShow(QWidget* window) {
    if (!qEnvironmentVariableIsSet("ORVANE_REPORT_SHOWN")) return;
    window->installEventFilter(new FirstPaintWatcher(window));
}

}  // namespace orvane
