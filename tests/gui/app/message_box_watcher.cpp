#include "message_box_watcher.h"

#include <QAbstractButton>
#include <QApplication>

MessageBoxWatcher::MessageBoxWatcher(QMessageBox::StandardButton answer) : answer_(answer) {
    connect(&timer_, &QTimer::timeout, this, &MessageBoxWatcher::Check);
    timer_.start(20);
}

void MessageBoxWatcher::Check() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    timer_.stop();
    seen_ = {true,        box->windowTitle(),     box->text(),
             box->icon(), box->standardButtons(), box->layoutDirection()};
    box->button(answer_)->click();
}
