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
    m_wanted = true;
    if (m_cookie != 0 || m_pending || !serviceAvailable())
        return;
    QDBusMessage message = call(QStringLiteral("Inhibit"));
    message << QCoreApplication::applicationName() << reason;
    // Asynchronous, so a slow desktop service never holds up the session.
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message), this);
    m_pending = true;
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<uint> reply = *finished;
                finished->deleteLater();
                m_pending = false;
                if (reply.isError())
                    return;
                // Released while the answer was on its way.
                if (!m_wanted)
                    uninhibit(reply.value());
                else
                    m_cookie = reply.value();
            });
}

void ScreenSaverInhibitor::release()
{
    m_wanted = false;
    if (m_cookie == 0)
        return;
    uninhibit(m_cookie);
    m_cookie = 0;
}

void ScreenSaverInhibitor::uninhibit(uint cookie)
{
    QDBusMessage message = call(QStringLiteral("UnInhibit"));
    message << cookie;
    QDBusConnection::sessionBus().asyncCall(message);
}

} // namespace tarvo::practice
