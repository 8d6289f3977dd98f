#include "message_box_answerer.h"

#include <QAbstractButton>
#include <QApplication>

MessageBoxAnswerer::MessageBoxAnswerer(QStringList cancel_texts) : cancel_texts_(std::move(cancel_texts)) {
    connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::Check);
    timer_.start(20);
}

void MessageBoxAnswerer::Check() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    texts_.append(box->text());
    const bool cancel = cancel_texts_.contains(box->text()) && box->button(QMessageBox::Cancel) != nullptr;
    box->button(cancel ? QMessageBox::Cancel : QMessageBox::Ok)->click();
}
