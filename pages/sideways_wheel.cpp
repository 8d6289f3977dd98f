#include "pages/sideways_wheel.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <utility>

namespace orvane {
namespace {

// Watches the scroll bar it belongs to.
class WheelFilter : public QObject {
  public:
    WheelFilter(QScrollBar* bar, SidewaysScroll scroll)
        : QObject(bar), bar_(bar), scroll_(std::move(scroll)) {
        bar->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != bar_ || event->type() != QEvent::Wheel) return false;
        const int turn = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (turn == 0) return false;
        scroll_(bar_, turn > 0);
        return true;
    }

  private:
    QScrollBar* bar_;
    SidewaysScroll scroll_;
};

}  // namespace

void ScrollSidewaysOnWheel(QAbstractScrollArea* area, SidewaysScroll scroll) {
    new WheelFilter(area->horizontalScrollBar(), std::move(scroll));
}

}  // namespace orvane
