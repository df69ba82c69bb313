#include "platform/qt/DbusDesktopNotifications.h"

#include <ostream>

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace cdx {

namespace {

// A picture as the notification server takes it (the "image-data" hint):
// width, height, row stride, alpha, bits per sample, channels, RGBA bytes.
struct NoticeImage {
    QImage image;
};

QDBusArgument& operator<<(QDBusArgument& argument, const NoticeImage& picture)
{
    const QImage rgba = picture.image.convertToFormat(QImage::Format_RGBA8888);
    argument.beginStructure();
    argument << rgba.width() << rgba.height() << static_cast<int>(rgba.bytesPerLine()) << true << 8 << 4
             << QByteArray(reinterpret_cast<const char*>(rgba.constBits()), static_cast<qsizetype>(rgba.sizeInBytes()));
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, NoticeImage& /*picture*/)
{
    // Only ever sent.
    return argument;
}

// Urgency levels of freedesktop notifications.
constexpr uchar NormalUrgency = 1;
constexpr uchar CriticalUrgency = 2;

} // namespace

} // namespace cdx

Q_DECLARE_METATYPE(cdx::NoticeImage)

namespace cdx {

DbusDesktopNotifications::DbusDesktopNotifications(std::ostream& diagnostics, QImage icon, QString iconName,
                                                   QDBusConnection connection, QObject* parent)
    : QObject(parent), m_diagnostics(diagnostics), m_icon(std::move(icon)), m_iconName(std::move(iconName)),
      m_connection(std::move(connection))
{
    qDBusRegisterMetaType<NoticeImage>();
    if (m_connection.isConnected()) {
        m_connection.connect(QString(), Path, Interface, QStringLiteral("ActionInvoked"), this,
                             SLOT(actionInvoked(uint, QString)));
        m_connection.connect(QString(), Path, Interface, QStringLiteral("NotificationClosed"), this,
                             SLOT(notificationClosed(uint, uint)));
    }
}

DbusDesktopNotifications::~DbusDesktopNotifications() = default;

void DbusDesktopNotifications::sayUnavailable(const QString& why)
{
    if (m_saidUnavailable) {
        return;
    }
    m_saidUnavailable = true;
    m_diagnostics << "Caldrix: no desktop notifications (" << why.toStdString() << "); alarms go on without them.\n";
    m_diagnostics.flush();
}

void DbusDesktopNotifications::show(int key, const DesktopNotice& notice)
{
    if (!m_connection.isConnected()) {
        sayUnavailable(QStringLiteral("no session bus"));
        return;
    }
    Entry& entry = m_entries[key];
    entry.closeWanted = false;
    if (entry.waiting) {
        entry.next = notice;
        return;
    }
    if (m_sending) {
        // One Notify at a time: the server numbers the notices in the order
        // they were raised.
        entry.waiting = true;
        entry.next = notice;
        m_queue.push_back(key);
        return;
    }
    send(key, entry, notice);
}

void DbusDesktopNotifications::send(int key, Entry& entry, const DesktopNotice& notice)
{
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(notice.critical ? CriticalUrgency : NormalUrgency));
    hints.insert(QStringLiteral("desktop-entry"), m_iconName);
    if (!m_icon.isNull()) {
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(NoticeImage{m_icon}));
    }
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    call << QStringLiteral("Caldrix") << entry.id << m_iconName << QString::fromStdString(notice.summary)
         << QString::fromStdString(notice.body) << QStringList{QString::fromLatin1(OpenAction), QStringLiteral("Open")}
         << hints << -1;
    entry.waiting = true;
    m_sending = true;
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, key](QDBusPendingCallWatcher* finished) { answered(key, finished); });
}

void DbusDesktopNotifications::answered(int key, QDBusPendingCallWatcher* call)
{
    call->deleteLater();
    m_sending = false;
    const QDBusPendingReply<uint> reply = *call;
    const auto found = m_entries.find(key);
    if (found != m_entries.end()) {
        Entry& entry = found->second;
        entry.waiting = false;
        if (reply.isError()) {
            sayUnavailable(reply.error().message());
            m_entries.erase(found);
        } else {
            entry.id = reply.value();
            if (entry.closeWanted) {
                closeId(entry.id);
                m_entries.erase(found);
            } else if (entry.next) {
                // The change made meanwhile goes after those raised before it.
                entry.waiting = true;
                m_queue.push_back(key);
            }
        }
    }
    sendQueued();
}

void DbusDesktopNotifications::sendQueued()
{
    while (!m_sending && !m_queue.empty()) {
        const int key = m_queue.front();
        m_queue.pop_front();
        const auto found = m_entries.find(key);
        if (found == m_entries.end()) {
            continue;
        }
        Entry& entry = found->second;
        entry.waiting = false;
        if (entry.closeWanted) {
            if (entry.id != 0) {
                closeId(entry.id);
            }
            m_entries.erase(found);
            continue;
        }
        if (entry.next) {
            const DesktopNotice next = *entry.next;
            entry.next.reset();
            send(key, entry, next);
        }
    }
}

void DbusDesktopNotifications::close(int key)
{
    const auto found = m_entries.find(key);
    if (found == m_entries.end()) {
        return;
    }
    Entry& entry = found->second;
    if (entry.waiting) {
        entry.next.reset();
        entry.closeWanted = true;
        return;
    }
    closeId(entry.id);
    m_entries.erase(found);
}

void DbusDesktopNotifications::closeId(uint id)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("CloseNotification"));
    call << id;
    m_connection.call(call, QDBus::NoBlock);
}

void DbusDesktopNotifications::actionInvoked(uint id, const QString& action)
{
    if (action != QLatin1String(OpenAction) && action != QLatin1String("default")) {
        return;
    }
    for (const auto& [key, entry] : m_entries) {
        if (entry.id == id && id != 0) {
            if (m_onOpen) {
                m_onOpen();
            }
            return;
        }
    }
}

void DbusDesktopNotifications::notificationClosed(uint id, uint /*reason*/)
{
    // Dismissed or expired: the next raise posts a new notice.
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->second.id == id && id != 0 && !it->second.waiting) {
            m_entries.erase(it);
            return;
        }
    }
}

} // namespace cdx
