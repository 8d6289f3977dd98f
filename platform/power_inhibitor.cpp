#include "platform/power_inhibitor.h"

#include <unistd.h>

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>

namespace orvane {

bool PowerInhibitor::Acquire() {
    if (IsHeld()) return true;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return false;
    QDBusInterface logind(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                          QStringLiteral("org.freedesktop.login1.Manager"), bus);
    if (!logind.isValid()) return false;
    const QDBusReply<QDBusUnixFileDescriptor> reply = logind.call(
        QStringLiteral("Inhibit"), QStringLiteral("sleep:shutdown:idle"), QStringLiteral("Orvane"),
        QStringLiteral("Talking to the printer"), QStringLiteral("block"));
    if (!reply.isValid() || !reply.value().isValid()) return false;
    // The lock lasts as long as a descriptor of it is open; keep our own duplicate.
    fd_ = ::dup(reply.value().fileDescriptor());
    return fd_ >= 0;
}

void PowerInhibitor::Release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace orvane
