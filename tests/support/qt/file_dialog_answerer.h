// Answers the next file dialog a test provokes.
#pragma once

#include <QFileDialog>
#include <QObject>
#include <QTimer>
#include <functional>

class FileDialogAnswerer : public QObject {
    Q_OBJECT
  public:
    // Calls `answer` with the open file dialog once it is on screen; `answer` accepts or rejects it.
    explicit FileDialogAnswerer(std::function<void(QFileDialog*)> answer);

    // Chooses `path` and accepts.
    static void Choose(QFileDialog* dialog, const QString& path);
    // Presses Cancel.
    static void Cancel(QFileDialog* dialog) { dialog->reject(); }

    // How many dialogs were answered.
    int Answered() const { return answered_; }

  private:
    void Check();

    std::function<void(QFileDialog*)> answer_;
    QTimer timer_;
    int answered_ = 0;
};
