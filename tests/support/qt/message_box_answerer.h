// Answers every message box the window shows and records their texts in order.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

class MessageBoxAnswerer : public QObject {
    Q_OBJECT
  public:
    // Presses OK, or Cancel on a box whose text is one of `cancel_texts`.
    explicit MessageBoxAnswerer(QStringList cancel_texts = {});
    // The texts of the boxes answered so far.
    const QStringList& Texts() const { return texts_; }

  private:
    void Check();

    QStringList cancel_texts_;
    QStringList texts_;
    QTimer timer_;
};
