// Acts on a modal dialog once it is on screen: the editing commands open theirs with exec(), so the
// test's steps run from inside that dialog's event loop. Also types into a dialog's edits.
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

// Types `text` into the edit whose objectName is `id` inside `dialog`, in place of its text, key by
// key so that the edit's character rules apply.
void Retype(QWidget* dialog, int id, const QString& text);

class DialogDriver : public QObject {
    Q_OBJECT
  public:
    // Runs `action` once on the first visible modal dialog whose objectName is `template_id`.
    DialogDriver(int template_id, std::function<void(QDialog*)> action);
    // How many such dialogs were seen (the action runs on the first only).
    int Seen() const { return seen_; }

  private:
    void Check();

    QString name_;
    std::function<void(QDialog*)> action_;
    QPointer<QDialog> last_;
    int seen_ = 0;
    QTimer timer_;
};
