#include "app/instance_channel.h"

#include <QApplication>
#include <QLocalSocket>

#include "platform/instance_object.h"

namespace orvane {
namespace {

const QByteArray kShowRequest = "show\n";
const QByteArray kShownReply = "shown\n";
const QByteArray kNoWindowReply = "none\n";
// Only a running instance that hangs takes this long; it is treated as absent.
constexpr int kReplyTimeoutMs = 10000;

}  // namespace

QString InstanceChannelPath() {
    return SessionEndpointPath(QStringLiteral("orvkitWindow"));
}

void BringWindowForward(QWidget* window) {
    // Restored only when minimized, to the state it had before: a maximized window stays maximized.
    if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    // The main window runs modally; a message box or dialog above it is the one to show.
    QWidget* front = QApplication::activeModalWidget();
    if (front == nullptr) front = window;
    front->raise();
    front->activateWindow();
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {
    connect(&server_, &QLocalServer::newConnection, this, &InstanceServer::OnNewConnection);
}

bool InstanceServer::Listen(const QString& path) {
    if (path.isEmpty()) return false;
    QLocalServer::removeServer(path);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    return server_.listen(path);
}

void InstanceServer::OnNewConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            const bool asked = socket->readLine() == kShowRequest;
            const bool shown = asked && !window_.isNull();
            if (shown) BringWindowForward(window_);
            socket->write(shown ? kShownReply : kNoWindowReply);
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}

bool AskRunningInstanceToShow(const QString& path) {
    if (path.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kReplyTimeoutMs)) return false;
    socket.write(kShowRequest);
    if (!socket.waitForBytesWritten(kReplyTimeoutMs)) return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kReplyTimeoutMs)) return false;
    }
    return socket.readLine() == kShownReply;
}

}  // namespace orvane
