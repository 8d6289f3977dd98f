// Drives the modal dialogs and message boxes a command opens, one step per window in the order
// they are expected: each step names the window (a dialog's template ID, or "box" for a message
// box) and acts on it as the user would. Steps record what they see instead of asserting, and
// always leave their window closed or answered, so that a failure never leaves a modal loop open.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

class ModalSteps : public QObject {
    Q_OBJECT
  public:
    using Step = std::function<void(QWidget*)>;

    ModalSteps();
    // Adds a step for the next window named `name`.
    ModalSteps& Then(const QString& name, Step step);
    // Adds a step that presses the button with objectName `id` of the next window named `name`.
    ModalSteps& Press(const QString& name, int id);
    // A message box step that records its text and presses OK.
    ModalSteps& Box();

    // True once every step ran and found what it looked for.
    bool Done() const { return next_ >= steps_.size() && problems_.isEmpty(); }
    // What went otherwise than expected: a missing button, or a window that was not the next one
    // expected (it was closed).
    const QStringList& Problems() const { return problems_; }
    // The texts of the message boxes met, in order.
    const QStringList& BoxTexts() const { return box_texts_; }
    // The windows met, by name, in order.
    const QStringList& Met() const { return met_; }

  private:
    void Check();

    QList<QPair<QString, Step>> steps_;
    qsizetype next_ = 0;
    QPointer<QWidget> last_;
    bool left_last_ = true;
    QStringList box_texts_;
    QStringList problems_;
    QStringList met_;
    QTimer timer_;
};
