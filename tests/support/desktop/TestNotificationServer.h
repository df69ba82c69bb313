#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>
#include <QVariantMap>

// A freedesktop notification server that reports every call it gets.
class TestNotificationServer : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    explicit TestNotificationServer(QObject* parent) : QDBusAbstractAdaptor(parent) {}

    // The user chooses `action` on notification `id`.
    void invoke(uint id, const QString& action) { emit ActionInvoked(id, action); }

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout);
    void CloseNotification(uint id);
    QStringList GetCapabilities() const;
    QString GetServerInformation(QString& vendor, QString& version, QString& protocolVersion) const;

signals:
    void NotificationClosed(uint id, uint reason);
    void ActionInvoked(uint id, const QString& actionKey);
    // One line per call, for the test to read.
    void reported(const QString& line);

private:
    uint m_lastId = 0;
};
