// The communication worker: runs one device operation at a time on a worker thread while the
// window keeps painting, discards the user's input, shows the progress dialog after two seconds and
// keeps the machine awake.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "platform/power_inhibitor.h"
#include "transport/named_object.h"

class QWidget;

namespace orvane {

class CORVCommunicateDlg;

class Communication : public QObject {
    Q_OBJECT
  public:
    // Delay before the progress dialog appears.
    static constexpr int kProgressDelayMs = 2000;

    explicit Communication(QWidget* window);
    ~Communication() override;

    // Starts a communication: "orvkitCommunicateMutex", the hidden progress dialog and its timer,
    // the power inhibitor; disables the window. False when the named object cannot be made.
    bool BeginCommunication();
    // Runs `operation` on a worker thread and returns its code (kWorkerStartFailed when no thread
    // can be started). Input given meanwhile is discarded; everything else is processed.
    std::int32_t RunWorker(const std::function<std::int32_t()>& operation);
    // Ends the communication (nothing when none is open): the dialog goes, the window is enabled.
    void EndCommunication();

    // True from BeginCommunication to EndCommunication.
    bool IsBusy() const { return busy_; }
    // True while the progress dialog is on screen.
    bool ProgressVisible() const { return progress_visible_; }
    // True while any program of this session communicates ("orvkitCommunicateMutex" exists).
    static bool Communicating();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowProgress();

    QWidget* window_;
    NamedObject communicate_object_;
    QPointer<CORVCommunicateDlg> progress_;
    QTimer progress_timer_;
    PowerInhibitor inhibitor_;
    bool busy_ = false;
    bool progress_visible_ = false;
    bool filtering_ = false;
};

}  // namespace orvane
