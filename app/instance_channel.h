// The session-local channel through which a second start of the program brings the running
// main window forward instead of opening another one.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace orvane {

// The channel's endpoint in this logon session.
QString InstanceChannelPath();

// Restores `window` when minimized and brings its active modal pop-up (or itself) to the front.
void BringWindowForward(QWidget* window);

// Listens on the channel for the running instance and brings its window forward on request.
class InstanceServer : public QObject {
    Q_OBJECT
  public:
    explicit InstanceServer(QObject* parent = nullptr);

    // Starts listening on `path`, replacing a leftover endpoint of a dead instance. Call only
    // while holding the single-instance object. False when the endpoint cannot be made.
    bool Listen(const QString& path);

    // The window that requests bring forward; until one is set, requests are answered "none".
    void SetWindow(QWidget* window) { window_ = window; }

  private:
    void OnNewConnection();

    QLocalServer server_;
    QPointer<QWidget> window_;
};

// Asks the instance listening on `path` to bring its window forward. True when it did; false
// when nobody listens, or it has no window, or it does not answer within a generous time.
bool AskRunningInstanceToShow(const QString& path);

}  // namespace orvane
