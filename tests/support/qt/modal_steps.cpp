#include "modal_steps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

namespace {

QString NameOf(QWidget* window) {
    return qobject_cast<QMessageBox*>(window) != nullptr ? QStringLiteral("box") : window->objectName();
}

}  // namespace

ModalSteps::ModalSteps() {
    connect(&timer_, &QTimer::timeout, this, &ModalSteps::Check);
    timer_.start(20);
}

ModalSteps& ModalSteps::Then(const QString& name, Step step) {
    steps_.append({name, std::move(step)});
    return *this;
}

ModalSteps& ModalSteps::Press(const QString& name, int id) {
    return Then(name, [this, name, id](QWidget* window) {
        auto* button = window->findChild<QAbstractButton*>(QString::number(id));
        if (button == nullptr) {
            problems_ << QStringLiteral("%1 has no button %2").arg(name).arg(id);
            window->close();
            return;
        }
        QTest::mouseClick(button, Qt::LeftButton);
    });
}

ModalSteps& ModalSteps::Box() {
    return Then(QStringLiteral("box"), [this](QWidget* window) {
        auto* box = static_cast<QMessageBox*>(window);
        box_texts_.append(box->text());
        box->button(QMessageBox::Ok)->click();
    });
}

void ModalSteps::Check() {
    if (Done()) {
        // Later windows belong to the test again.
        timer_.stop();
        return;
    }
    QWidget* window = QApplication::activeModalWidget();
    if (window != last_) left_last_ = true;
    if (next_ >= steps_.size() || window == nullptr || !window->isVisible() || !left_last_) return;
    last_ = window;
    left_last_ = false;
    met_.append(NameOf(window));
    if (NameOf(window) != steps_[next_].first) {
        // Not the window expected: closed, so that the command ends and the test can fail.
        problems_
            << QStringLiteral("%1 opened where %2 was expected").arg(NameOf(window), steps_[next_].first);
        window->close();
        return;
    }
    // A step may open a nested window; it runs outside this timer so that the checks go on from the
    // nested event loop.
    QTimer::singleShot(0, window, [step = steps_[next_++].second, window] { step(window); });
}
