#include "TestStatusNotifierWatcher.h"

void TestStatusNotifierWatcher::RegisterStatusNotifierItem(const QString& service, const QDBusMessage& message)
{
    // Either a bus name (the item at its usual path) or a path on the caller's
    // own connection.
    const QString item = service.startsWith(QLatin1Char('/')) ? message.service() + QLatin1Char('|') + service
                                                              : service + QStringLiteral("|/StatusNotifierItem");
    m_items.append(item);
    emit StatusNotifierItemRegistered(item);
    emit itemRegistered(item);
}

void TestStatusNotifierWatcher::RegisterStatusNotifierHost(const QString& /*service*/)
{
    emit StatusNotifierHostRegistered();
}
