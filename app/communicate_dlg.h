// The progress dialog shown while a communication lasts longer than two seconds (template 181).
#pragma once

#include <QDialog>

namespace orvane {

// Modeless, created hidden, centred on its owner; the user cannot close it, and the cursor over it
// is the wait cursor.
class CORVCommunicateDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CORVCommunicateDlg(QWidget* owner);

    // Centres the dialog on its owner.
    void CentreOnOwner();
    // Ignored: only the end of the communication removes the dialog.
    void reject() override {}

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Activating the dialog keeps a deferred notice that is on screen in front of it.
    bool event(QEvent* event) override;
};

}  // namespace orvane
