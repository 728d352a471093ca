#include "practice/ScreenSaverInhibitor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace tarvo::practice {

namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");

QDBusMessage call(const QString& method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}

void uninhibit(uint cookie)
{
    QDBusMessage message = call(QStringLiteral("UnInhibit"));
    message << cookie;
    QDBusConnection::sessionBus().asyncCall(message);
}

bool serviceAvailable()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()
           && bus.interface()->isServiceRegistered(kService).value();
}

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(QObject* parent)
    : QObject(parent)
{
}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    release();
}

void ScreenSaverInhibitor::inhibit(const QString& reason)
{
    m_hold->wanted = true;
    if (m_hold->cookie != 0 || m_hold->pending || !serviceAvailable())
        return;
    QDBusMessage message = call(QStringLiteral("Inhibit"));
    message << QCoreApplication::applicationName() << reason;
    // Asynchronous, so a slow desktop service never holds up the session. The answer is awaited
    // by the application, not by this object, which may be gone by the time it comes.
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message),
                                                QCoreApplication::instance());
    m_hold->pending = true;
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [hold = m_hold](QDBusPendingCallWatcher* finished) {
                         const QDBusPendingReply<uint> reply = *finished;
                         finished->deleteLater();
                         hold->pending = false;
                         if (reply.isError())
                             return;
                         // Released while the answer was on its way.
                         if (!hold->wanted)
                             uninhibit(reply.value());
                         else
                             hold->cookie = reply.value();
                     });
}

void ScreenSaverInhibitor::release()
{
    m_hold->wanted = false;
    if (m_hold->cookie == 0)
        return;
    uninhibit(m_hold->cookie);
    m_hold->cookie = 0;
}

} // namespace tarvo::practice
