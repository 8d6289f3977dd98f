// Answers the next message box a test provokes and records what it showed.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QTimer>

// What the answered message box showed.
struct SeenMessageBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

// Watches the event loop for a modal message box and presses `answer` on it.
class MessageBoxWatcher : public QObject {
    Q_OBJECT
  public:
    explicit MessageBoxWatcher(QMessageBox::StandardButton answer);
    const SeenMessageBox& Seen() const { return seen_; }

  private:
    void Check();

    QMessageBox::StandardButton answer_;
    QTimer timer_;
    SeenMessageBox seen_;
};
