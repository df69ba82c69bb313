#include "TestDesktopConsole.h"

#include <cstdio>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include "TestNotificationServer.h"
#include "TestStatusNotifierWatcher.h"

namespace {

constexpr int CallTimeoutMs = 10000;

void readNode(const QDBusArgument& argument, TestDesktopConsole::MenuNode& node)
{
    argument.beginStructure();
    argument >> node.id >> node.properties;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        TestDesktopConsole::MenuNode childNode;
        readNode(qvariant_cast<QDBusArgument>(child.variant()), childNode);
        node.children.append(childNode);
    }
    argument.endArray();
    argument.endStructure();
}

// A label as the host shows it: "_" marks the access key, "__" is an
// underscore.
QString shownLabel(const QString& label)
{
    QString shown;
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label.at(i) == QLatin1Char('_') && i + 1 < label.size()) {
            ++i;
        }
        shown.append(label.at(i));
    }
    return shown;
}

// The sizes of an array of pictures (width, height, bytes), read past.
QStringList readPictureSizes(const QDBusArgument& pictures)
{
    QStringList found;
    pictures.beginArray();
    while (!pictures.atEnd()) {
        int width = 0;
        int height = 0;
        QByteArray bytes;
        pictures.beginStructure();
        pictures >> width >> height >> bytes;
        pictures.endStructure();
        found.append(QStringLiteral("%1x%2").arg(width).arg(height));
    }
    pictures.endArray();
    return found;
}

} // namespace

TestDesktopConsole::TestDesktopConsole(QDBusConnection bus)
    : m_bus(std::move(bus)), m_input(STDIN_FILENO, QSocketNotifier::Read)
{
    m_watcher = new TestStatusNotifierWatcher(&m_watcherObject);
    connect(m_watcher, &TestStatusNotifierWatcher::itemRegistered, this, [this](const QString& item) {
        m_items.append(item);
        say(QStringLiteral("item %1 %2").arg(m_items.size() - 1).arg(item));
    });
    m_notifications = new TestNotificationServer(&m_notificationsObject);
    connect(m_notifications, &TestNotificationServer::reported, this, &TestDesktopConsole::say);
    m_ready = m_bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &m_watcherObject) &&
              m_bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")) &&
              m_bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &m_notificationsObject) &&
              m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    connect(&m_input, &QSocketNotifier::activated, this, &TestDesktopConsole::readCommand);
}

void TestDesktopConsole::say(const QString& line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void TestDesktopConsole::readCommand()
{
    char buffer[4096];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
        QCoreApplication::quit();
        return;
    }
    m_pending.append(buffer, got);
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        const QString line = QString::fromUtf8(m_pending.left(end)).trimmed();
        m_pending.remove(0, end + 1);
        if (!line.isEmpty()) {
            run(line);
        }
    }
}

void TestDesktopConsole::run(const QString& line)
{
    const QStringList words = line.split(QLatin1Char(' '));
    const QString command = words.value(0);
    bool isNumber = false;
    const int number = words.value(1).toInt(&isNumber);
    if (command == QLatin1String("invoke") && isNumber) {
        m_notifications->invoke(static_cast<uint>(number), words.value(2));
        say(QStringLiteral("invoked"));
        return;
    }
    if (!isNumber || number < 0 || number >= m_items.size()) {
        say(QStringLiteral("error: no such item in '%1'").arg(line));
        return;
    }
    if (command == QLatin1String("layout")) {
        say(layout(number));
    } else if (command == QLatin1String("click")) {
        say(click(number, words.mid(2).join(QLatin1Char(' '))));
    } else if (command == QLatin1String("sizes")) {
        say(sizes(number));
    } else if (command == QLatin1String("tooltip")) {
        say(toolTip(number));
    } else if (command == QLatin1String("menu")) {
        say(QStringLiteral("menu: ") + menuPath(number));
    } else {
        say(QStringLiteral("error: unknown command '%1'").arg(line));
    }
}

QVariant TestDesktopConsole::itemProperty(int item, const QString& name)
{
    const QStringList where = m_items.at(item).split(QLatin1Char('|'));
    QDBusMessage get = QDBusMessage::createMethodCall(
        where.value(0), where.value(1), QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.kde.StatusNotifierItem") << name;
    const QDBusMessage reply = m_bus.call(get, QDBus::Block, CallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return {};
    }
    return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant();
}

QString TestDesktopConsole::menuPath(int item)
{
    return qvariant_cast<QDBusObjectPath>(itemProperty(item, QStringLiteral("Menu"))).path();
}

QString TestDesktopConsole::sizes(int item)
{
    const QDBusArgument pictures = qvariant_cast<QDBusArgument>(itemProperty(item, QStringLiteral("IconPixmap")));
    return QStringLiteral("sizes: ") + readPictureSizes(pictures).join(QLatin1Char(' '));
}

QString TestDesktopConsole::toolTip(int item)
{
    // (icon name, pictures, title, text)
    const QDBusArgument tip = qvariant_cast<QDBusArgument>(itemProperty(item, QStringLiteral("ToolTip")));
    QString iconName;
    QString title;
    QString text;
    tip.beginStructure();
    tip >> iconName;
    readPictureSizes(tip);
    tip >> title >> text;
    tip.endStructure();
    return QStringLiteral("tooltip: ") + title + text;
}

// The top of tray item N's menu, read as a host reads it; an error text when
// the menu did not answer.
QString TestDesktopConsole::readMenu(int item, bool opening, MenuNode& root)
{
    const QString service = m_items.at(item).section(QLatin1Char('|'), 0, 0);
    const QString path = menuPath(item);
    const QString menu = QStringLiteral("com.canonical.dbusmenu");
    if (opening) {
        // As a host does: tell the menu it opens, then read it.
        QDBusMessage aboutToShow = QDBusMessage::createMethodCall(service, path, menu, QStringLiteral("AboutToShow"));
        aboutToShow << 0;
        m_bus.call(aboutToShow, QDBus::Block, CallTimeoutMs);
    }
    QDBusMessage get = QDBusMessage::createMethodCall(service, path, menu, QStringLiteral("GetLayout"));
    get << 0 << 1 << QStringList();
    const QDBusMessage reply = m_bus.call(get, QDBus::Block, CallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() < 2) {
        return QStringLiteral("error: GetLayout failed: ") + reply.errorMessage();
    }
    readNode(qvariant_cast<QDBusArgument>(reply.arguments().at(1)), root);
    return {};
}

QString TestDesktopConsole::layout(int item)
{
    MenuNode root;
    if (const QString error = readMenu(item, true, root); !error.isEmpty()) {
        return error;
    }
    QStringList shown;
    for (const MenuNode& child : root.children) {
        if (!child.properties.value(QStringLiteral("visible"), true).toBool()) {
            continue;
        }
        if (child.properties.value(QStringLiteral("type")).toString() == QLatin1String("separator")) {
            shown.append(QStringLiteral("-"));
            continue;
        }
        const bool enabled = child.properties.value(QStringLiteral("enabled"), true).toBool();
        shown.append((enabled ? QString() : QStringLiteral("~")) +
                     shownLabel(child.properties.value(QStringLiteral("label")).toString()));
    }
    return QStringLiteral("layout: ") + shown.join(QLatin1Char('|'));
}

QString TestDesktopConsole::click(int item, const QString& caption)
{
    MenuNode root;
    if (const QString error = readMenu(item, false, root); !error.isEmpty()) {
        return error;
    }
    for (const MenuNode& child : root.children) {
        if (shownLabel(child.properties.value(QStringLiteral("label")).toString()) == caption) {
            QDBusMessage event =
                QDBusMessage::createMethodCall(m_items.at(item).section(QLatin1Char('|'), 0, 0), menuPath(item),
                                               QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("Event"));
            event << child.id << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(0)) << 0U;
            m_bus.call(event, QDBus::Block, CallTimeoutMs);
            return QStringLiteral("clicked: ") + caption;
        }
    }
    return QStringLiteral("error: no menu item '%1'").arg(caption);
}
