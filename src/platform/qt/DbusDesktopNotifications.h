#pragma once

#include <deque>
#include <functional>
#include <iosfwd>
#include <map>
#include <optional>

#include <QDBusConnection>
#include <QImage>
#include <QObject>
#include <QString>

#include "platform/DesktopNotifications.h"

class QDBusPendingCallWatcher;

namespace cdx {

// The desktop's notifications through the freedesktop notification server
// (org.freedesktop.Notifications) on the session bus. Calls never wait: a
// notice changed or withdrawn while the server has not yet said its number is
// sent on once it has. Each notice offers an "Open" action and carries the
// program icon. Without a server (or a session bus) nothing is shown, which is
// said once on the diagnostics stream.
class DbusDesktopNotifications : public QObject, public DesktopNotifications {
    Q_OBJECT
public:
    static constexpr const char* Service = "org.freedesktop.Notifications";
    static constexpr const char* Path = "/org/freedesktop/Notifications";
    static constexpr const char* Interface = "org.freedesktop.Notifications";
    static constexpr const char* OpenAction = "open";

    // `icon` goes with every notice; `iconName` names it in the icon theme.
    DbusDesktopNotifications(std::ostream& diagnostics, QImage icon, QString iconName,
                             QDBusConnection connection = QDBusConnection::sessionBus(), QObject* parent = nullptr);
    ~DbusDesktopNotifications() override;

    void show(int key, const DesktopNotice& notice) override;
    void close(int key) override;
    void setOnOpen(std::function<void()> handler) override { m_onOpen = std::move(handler); }

private slots:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    struct Entry {
        uint id = 0;                       // the server's number; 0 until it answered
        bool waiting = false;              // a Notify is on its way
        std::optional<DesktopNotice> next; // to send once the answer is in
        bool closeWanted = false;
    };

    void send(int key, Entry& entry, const DesktopNotice& notice);
    void answered(int key, QDBusPendingCallWatcher* call);
    // Sends the queued notices in the order they were raised while a Notify
    // was on its way.
    void sendQueued();
    void closeId(uint id);
    void sayUnavailable(const QString& why);

    std::ostream& m_diagnostics;
    QImage m_icon;
    QString m_iconName;
    QDBusConnection m_connection;
    std::map<int, Entry> m_entries;
    bool m_sending = false;  // a Notify is on its way
    std::deque<int> m_queue; // keys whose notice waits for it
    std::function<void()> m_onOpen;
    bool m_saidUnavailable = false;
};

} // namespace cdx
