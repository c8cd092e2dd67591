#include "platform/LogindPowerOff.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace platform {

bool requestPowerOff(QString* reason)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        if (reason)
            *reason = bus.lastError().message();
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    call << false;  // interactive: no
    const QDBusMessage reply = bus.call(call);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        if (reason)
            *reason = reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
        return false;
    }
    return true;
}

}  // namespace platform
