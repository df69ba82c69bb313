#include "TestNotificationServer.h"

#include <QDBusArgument>

uint TestNotificationServer::Notify(const QString& appName, uint replacesId, const QString& /*appIcon*/,
                                    const QString& summary, const QString& body, const QStringList& actions,
                                    const QVariantMap& hints, int /*timeout*/)
{
    const uint id = replacesId != 0 ? replacesId : ++m_lastId;
    const int urgency = hints.value(QStringLiteral("urgency")).toInt();
    const bool image = hints.contains(QStringLiteral("image-data"));
    emit reported(QStringLiteral("notify id=%1 replaces=%2 urgency=%3 image=%4 actions=%5 app=%6 summary=%7 body=%8")
                      .arg(id)
                      .arg(replacesId)
                      .arg(urgency)
                      .arg(image ? 1 : 0)
                      .arg(actions.join(QLatin1Char(',')), appName, summary, body));
    return id;
}

void TestNotificationServer::CloseNotification(uint id)
{
    emit reported(QStringLiteral("close id=%1").arg(id));
    emit NotificationClosed(id, 3);
}

QStringList TestNotificationServer::GetCapabilities() const
{
    return {QStringLiteral("actions"), QStringLiteral("body")};
}

QString TestNotificationServer::GetServerInformation(QString& vendor, QString& version, QString& protocolVersion) const
{
    vendor = QStringLiteral("Caldrix tests");
    version = QStringLiteral("1");
    protocolVersion = QStringLiteral("1.2");
    return QStringLiteral("test-notifications");
}
