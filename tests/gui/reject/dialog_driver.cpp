#include "dialog_driver.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

DialogDriver::DialogDriver(int template_id, std::function<void(QDialog*)> action)
    : name_(QString::number(template_id)), action_(std::move(action)) {
    connect(&timer_, &QTimer::timeout, this, &DialogDriver::Check);
    timer_.start(20);
}

void DialogDriver::Check() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible() || dialog->objectName() != name_ || dialog == last_) return;
    last_ = dialog;
    if (seen_++ == 0 && action_) action_(dialog);
}

void Retype(QWidget* dialog, int id, const QString& text) {
    auto* edit = dialog->findChild<QLineEdit*>(QString::number(id));
    QVERIFY(edit != nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (const QChar c : text) {
        // Key codes exist for ASCII only; other characters arrive as a key event's text.
        if (c.unicode() < 0x80) {
            QTest::keyClick(edit, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}
